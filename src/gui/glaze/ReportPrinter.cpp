// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ReportPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>

#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>
#include <algorithm>
#include <stdexcept>

#include <memory>

namespace kelvora {

QFont ReportPrinter::reportFont() {
    QFont font;
    // Where Courier New is not installed the font system picks its metric twin.
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Courier"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    return font;
}

QFont ReportPrinter::printFont() {
    QFont font = reportFont();
    font.setPointSize(11);
    font.setBold(true);
    return font;
}

bool ReportPrinter::printWithDialog(QWidget* parent, QPrinter& printer,
                                    const std::vector<std::string>& lines) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setWindowTitle(QStringLiteral("Afdrukken"));
    if (dialog.exec() != QDialog::Accepted) return false;
    return print(printer, lines);
}

bool ReportPrinter::print(QPrinter& printer, const std::vector<std::string>& lines) {
    printer.setDocName(QString::fromLatin1(jobTitle));
    // Printers cut what lies closer to the edge than a few millimetres: every
    // sheet keeps at least 15 mm, a wider margin chosen in the dialog stays.
    constexpr double minimumMarginMm = 15.0;
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(
        QMarginsF(std::max(chosen.left(), minimumMarginMm), std::max(chosen.top(), minimumMarginMm),
                  std::max(chosen.right(), minimumMarginMm), std::max(chosen.bottom(), minimumMarginMm)),
        QPageLayout::Millimeter);
    QStringList text;
    for (const auto& line : lines)
        text << QString::fromStdString(line);
    QTextDocument document;
    document.setPlainText(text.join(QLatin1Char('\n')));
    document.setDefaultFont(printFont());
    document.setDocumentMargin(0);
    // Laid out for the printer itself, over its whole printable area.
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    document.setPageSize(page.size());
    QPainter painter;
    if (!painter.begin(&printer)) {
        // Shown by the handler's error box, like every other failure.
        throw std::runtime_error("Het afdrukken kon niet beginnen.");
    }
    const int pages = document.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        painter.save();
        painter.translate(0, -p * page.height());
        document.drawContents(&painter, QRectF(0, p * page.height(), page.width(), page.height()));
        painter.restore();
    }
    painter.end();
    return true;
}

} // namespace kelvora
