// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/BatchWeights.h"
#include "glaze/Captions.h"

#include <QPrinter>
#include <QWidget>

#include <memory>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kelvora {

class BatchTableModel;
class View;
class ViewFollower;

// The glaze editor's page "Batch": grams of every material for a batch of
// the current glaze, total and cost, and a printout of it. It follows the
// glazes view and weighs the recipe as it stands on screen, calculated
// afresh and brought to 100 %, so the recipe weighs the size asked for even
// before Bereken; a line says so while that recipe is not yet stored.
class BatchPage : public QWidget {
    Q_OBJECT
public:
    BatchPage(View& glazes, const View& materials, double batchGrams, QWidget* parent = nullptr);
    ~BatchPage() override;

    double batchSize() const;
    void setBatchSize(double grams);
    // Prints on this printer (the editor's, so one printer setup holds for
    // every printout); the page's own one until then.
    void setPrinter(QPrinter* printer) { printer_ = printer ? printer : &ownPrinter_; }
    QPrinter& printer() { return *printer_; }
    // The batch as now shown, and the lines "Print" puts on paper.
    const BatchWeights& batch() const { return batch_; }
    std::vector<std::string> sheet() const;
    // The text of the line over the batch; empty while it is the stored recipe.
    QString previewNote() const;

    void refresh();
    void PrintButtonClick();

signals:
    void batchSizeChanged(double grams);

protected:
    void changeEvent(QEvent* event) override;

private:
    View& glazes_;
    const View& materials_;
    BatchWeights batch_;
    QPrinter ownPrinter_;
    QPrinter* printer_ = &ownPrinter_;
    std::unique_ptr<ViewFollower> follower_;
    // The controls; tests find them by their object names.
    QDoubleSpinBox* BatchSizeEdit = nullptr;
    BatchTableModel* batchModel_ = nullptr;
    QTableView* BatchGrid = nullptr;
    QLabel* PreviewLbl = nullptr;
    QLabel* TotaalLbl = nullptr;
    QLabel* KostprijsLbl = nullptr;
    QPushButton* PrintButton = nullptr;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
