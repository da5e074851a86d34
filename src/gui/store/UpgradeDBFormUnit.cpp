#include "store/UpgradeDBFormUnit.h"

#include "common/Prompter.h"
#include "store/DatabaseUpgrade.h"
#include "widgets/ErrorBox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace kelvora {

TUpgradeDBForm::TUpgradeDBForm(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("UpgradeDBForm"));
    setWindowTitle(QStringLiteral("Upgrade database"));
    resize(563, 271);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);

    auto addLabel = [this](const char* name, const char* text, int left, int top) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QString::fromLatin1(name));
        label->move(left, top);
        label->adjustSize();
        return label;
    };
    Label1 = addLabel("Label1",
                      "Let op: Indien u in de vorige versie van Kelvora (versie "
                      "0.9.0.2) glazuren heeft "
                      "ingevoerd, en deze",
                      32, 8);
    Label2 = addLabel("Label2",
                      "in deze versie van Kelvora wilt blijven gebruiken, dan "
                      "kunt u dat doen door op de "
                      "'Converteer' knop",
                      32, 24);
    Label3 = addLabel("Label3", "te drukken. ", 32, 40);
    Label4 = addLabel("Label4",
                      "Let op: de eventueel in Kelvora versie 0.991 (deze "
                      "versie) ingevoerde glazuren worden "
                      "daarbij!!",
                      32, 56);
    Label5 = addLabel("Label5",
                      "overschreven. Ze worden echter wel met een andere naam "
                      "bewaard, met de extentie .bak.",
                      72, 72);

    fitWarning();

    UpgradeButton = new QPushButton(QStringLiteral("Converteer"), this);
    UpgradeButton->setObjectName(QStringLiteral("UpgradeButton"));
    UpgradeButton->setGeometry(40, 152, 75, 25);
    UpgradeButton->setAutoDefault(false);
    connect(UpgradeButton, &QPushButton::clicked, this, [this] { UpgradeButtonClick(); });

    FormCreate();
}

TUpgradeDBForm::~TUpgradeDBForm() = default;

void TUpgradeDBForm::fitWarning() {
    // The warning's lines are fixed; with a wide system font they would run
    // past the window's edge, so the font steps down until every line fits.
    QFont font = Label1->font();
    const int rightMargin = 8;
    auto fits = [&] {
        for (QLabel* label : {Label1, Label2, Label3, Label4, Label5})
            if (label->x() + QFontMetrics(font).horizontalAdvance(label->text()) > width() - rightMargin)
                return false;
        return true;
    };
    while (!fits() && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    const int lineStep = QFontMetrics(font).height();
    int top = Label1->y();
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5}) {
        label->setFont(font);
        label->adjustSize();
        label->move(label->x(), top);
        top += std::max(16, lineStep);
    }
}

void TUpgradeDBForm::FormCreate() {
    // It keeps no settings: it opens where it was designed.
    move(295, 129);
}

void TUpgradeDBForm::UpgradeButtonClick() {
    // The window stays open afterwards, whatever the outcome.
    ui::guard(this, [this] { DatabaseUpgrade::run(prompter_); });
}

} // namespace kelvora
