#pragma once
#include <QDialog>

namespace kelvora {

// The glaze editor, shown modally from the main window.
class TGlazForm : public QDialog {
    Q_OBJECT
public:
    explicit TGlazForm(QWidget* parent = nullptr);
    ~TGlazForm() override;

private:
    void FormCreate();
    void FormDestroy();
};

} // namespace kelvora
