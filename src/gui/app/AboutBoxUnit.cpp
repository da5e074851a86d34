#include "app/AboutBoxUnit.h"
#include "app/Installation.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace kelvora {

namespace {
QLabel* label(QWidget* parent, const QString& text, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}
} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Kelvora"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(361, 189);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, 361, 153);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(8, 8, 137, 113);
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    ProgramIcon->setScaledContents(true);

    ProductName = label(panel, QStringLiteral("Kelvora"), 153, 8);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big = ProductName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    ProductName->setFont(big);
    ProductName->adjustSize();
    Version = label(panel, QStringLiteral("Versie"), 153, 32);
    Version->setObjectName(QStringLiteral("Version"));
    VersieLabel = label(panel, QString(), 208, 32);
    VersieLabel->setObjectName(QStringLiteral("VersieLabel"));
    VersieLabel->setMinimumWidth(145);
    label(panel, QStringLiteral("\u00A9 2019-2026 Kelvora"), 153, 56);
    label(panel, QStringLiteral("info@kelvora.nl"), 153, 80);
    label(panel, QStringLiteral("www.kelvora.nl"), 153, 104);
    label(panel, QStringLiteral("Met dank aan onze testers"), 152, 128);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(143, 164, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    // Below the designed box: the licence and the folders this run uses.
    auto* notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("LicenceLabel"));
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont small = notice->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    notice->setFont(small);
}

QString TAboutBox::ReadFileVersion() {
#ifdef KELVORA_VERSION
    return QStringLiteral(KELVORA_VERSION);
#else
    return QString();
#endif
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TAboutBox::FormShow() {
    VersieLabel->setText(ReadFileVersion() + QStringLiteral(" (B\u00E8ta versie!)"));
    VersieLabel->adjustSize();
    if (auto* notice = findChild<QLabel*>(QStringLiteral("LicenceLabel"))) {
        notice->setText(ui::licenceAndFolders());
        notice->setGeometry(8, 197, 345, notice->heightForWidth(345));
        setFixedSize(361, notice->geometry().bottom() + 9);
    }
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace kelvora
