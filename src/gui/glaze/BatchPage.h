// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/BatchWeights.h"

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
// glazes view, so a changed recipe shows at once.
class BatchPage : public QWidget {
    Q_OBJECT
public:
    BatchPage(View& glazes, double batchGrams, QWidget* parent = nullptr);
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

    void refresh();
    void PrintButtonClick();

signals:
    void batchSizeChanged(double grams);

private:
    View& glazes_;
    BatchWeights batch_;
    QPrinter ownPrinter_;
    QPrinter* printer_ = &ownPrinter_;
    std::unique_ptr<ViewFollower> follower_;
    // The controls; tests find them by their object names.
    QDoubleSpinBox* BatchSizeEdit = nullptr;
    BatchTableModel* batchModel_ = nullptr;
    QTableView* BatchGrid = nullptr;
    QLabel* TotaalLbl = nullptr;
    QLabel* KostprijsLbl = nullptr;
    QPushButton* PrintButton = nullptr;
};

} // namespace kelvora
