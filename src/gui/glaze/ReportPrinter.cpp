// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/ReportPrinter.h"

#include <QCoreApplication>

#include "model/Glaze.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>
#include <stdexcept>

namespace kelvora {

SheetHeading SheetHeading::of(const QString& title, const Glaze& glaze) {
    SheetHeading heading;
    heading.title = title;
    heading.glaze = QString::fromStdString(glaze.naam);
    heading.cones = conesOf(glaze.skva, glaze.sktt);
    return heading;
}

QString SheetHeading::conesOf(const std::string& from, const std::string& to) {
    const QString a = QString::fromStdString(from).trimmed();
    const QString b = QString::fromStdString(to).trimmed();
    if (a.isEmpty() && b.isEmpty()) return {};
    if (b.isEmpty() || a == b)
        return QCoreApplication::translate("kelvora::SheetHeading", "SK %1").arg(a.isEmpty() ? b : a);
    if (a.isEmpty()) return QCoreApplication::translate("kelvora::SheetHeading", "tot SK %1").arg(b);
    return QCoreApplication::translate("kelvora::SheetHeading", "SK %1 tot SK %2").arg(a, b);
}

QString SheetHeading::what() const {
    QStringList parts;
    if (!title.isEmpty() && !glaze.isEmpty())
        parts << title + QStringLiteral(": ") + glaze;
    else if (!title.isEmpty() || !glaze.isEmpty())
        parts << title + glaze;
    if (!cones.isEmpty()) parts << cones;
    return parts.join(QStringLiteral("   "));
}

QString SheetHeading::dateText() const {
    return date.toString(QStringLiteral("dd-MM-yyyy"));
}

QString SheetHeading::pageText(int page, int pages) {
    return QCoreApplication::translate("kelvora::SheetHeading", "blad %1 van %2").arg(page).arg(pages);
}

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

bool ReportPrinter::printWithDialog(QWidget* parent, QPrinter& printer, const std::vector<std::string>& lines,
                                    const SheetHeading& heading) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    dialog.setWindowTitle(QCoreApplication::translate("kelvora::ReportPrinter", "Afdrukken"));
    if (dialog.exec() != QDialog::Accepted) return false;
    return print(printer, lines, heading);
}

void ReportPrinter::keepMargins(QPagedPaintDevice& device) {
    constexpr double minimumMarginMm = 15.0;
    const QMarginsF chosen = device.pageLayout().margins(QPageLayout::Millimeter);
    device.setPageMargins(
        QMarginsF(std::max(chosen.left(), minimumMarginMm), std::max(chosen.top(), minimumMarginMm),
                  std::max(chosen.right(), minimumMarginMm), std::max(chosen.bottom(), minimumMarginMm)),
        QPageLayout::Millimeter);
}

namespace {
// The heading's font, in the device's own units.
QFont headingFont() {
    QFont font = ReportPrinter::reportFont();
    font.setPointSize(9);
    return font;
}

// The height of one line of the heading on the painter's device.
double headingLine(const QPainter& painter) {
    return QFontMetricsF(QFont(headingFont(), painter.device())).height();
}

// The part of a page under the heading's line and rule and above the page
// number.
QRectF contentsArea(const QRectF& page, double line) {
    return QRectF(page.left(), page.top() + 2 * line, page.width(), page.height() - 3.5 * line);
}
} // namespace

QRectF ReportPrinter::drawHeading(QPainter& painter, const QRectF& page, const SheetHeading& heading,
                                  int number, int pages) {
    const double line = headingLine(painter);
    painter.save();
    painter.setFont(QFont(headingFont(), painter.device()));
    const QRectF top(page.left(), page.top(), page.width(), line);
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, heading.what());
    painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, heading.dateText());
    const double ruleY = top.bottom() + line * 0.3;
    painter.drawLine(QPointF(page.left(), ruleY), QPointF(page.right(), ruleY));
    const QRectF foot(page.left(), page.bottom() - line, page.width(), line);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, SheetHeading::pageText(number, pages));
    painter.restore();
    return contentsArea(page, line);
}

bool ReportPrinter::print(QPrinter& printer, const std::vector<std::string>& lines,
                          const SheetHeading& heading) {
    printer.setDocName(QString::fromLatin1(jobTitle));
    keepMargins(printer);
    QStringList text;
    for (const auto& line : lines)
        text << QString::fromStdString(line);
    QTextDocument document;
    document.setPlainText(text.join(QLatin1Char('\n')));
    document.setDefaultFont(printFont());
    document.setDocumentMargin(0);
    // Laid out for the printer itself, in the part of each page the heading
    // leaves.
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel)
                            .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    QPainter painter;
    if (!painter.begin(&printer)) {
        // Shown by the handler's error box, like every other failure.
        throw std::runtime_error(
            QCoreApplication::translate("kelvora::ReportPrinter", "Het afdrukken kon niet beginnen.")
                .toStdString());
    }
    // Where the contents go follows from the heading's font on this printer.
    const QRectF body = contentsArea(page, headingLine(painter));
    document.setPageSize(body.size());
    const int pages = document.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
        drawHeading(painter, page, heading, p + 1, pages);
        painter.save();
        painter.translate(body.left(), body.top() - p * body.height());
        document.drawContents(&painter, QRectF(0, p * body.height(), body.width(), body.height()));
        painter.restore();
    }
    painter.end();
    return true;
}

} // namespace kelvora
