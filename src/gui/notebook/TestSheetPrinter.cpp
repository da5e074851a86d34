// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/TestSheetPrinter.h"

#include "notebook/TestSheet.h"
#include "store/Notebook.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace kelvora {

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

double mmToDevice(double mm, const QPrinter& printer) {
    return mm / 25.4 * printer.resolution();
}

QFont titleFont() {
    QFont font = ReportPrinter::printFont();
    font.setPointSize(24);
    return font;
}

QFont captionFont() {
    QFont font = ReportPrinter::reportFont();
    font.setPointSize(9);
    return font;
}

// The sheet's lines with their tab-separated cells (the recipe's name,
// percentage and grams) set under each other: in a fixed-pitch font
// padding with blanks lines them up on paper as on screen.
QStringList alignedColumns(const std::vector<std::string>& lines) {
    QStringList out;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i].find('\t') == std::string::npos) {
            out << qs(lines[i++]);
            continue;
        }
        std::vector<QStringList> run;
        for (; i < lines.size() && lines[i].find('\t') != std::string::npos; ++i)
            run.push_back(qs(lines[i]).split(QLatin1Char('\t')));
        std::vector<qsizetype> widths;
        for (const QStringList& cells : run)
            for (qsizetype c = 0; c < cells.size(); ++c) {
                if (widths.size() <= static_cast<std::size_t>(c)) widths.push_back(0);
                widths[static_cast<std::size_t>(c)] =
                    std::max(widths[static_cast<std::size_t>(c)], cells[c].size());
            }
        for (const QStringList& cells : run) {
            QString line = cells[0].leftJustified(widths[0]);
            for (qsizetype c = 1; c < cells.size(); ++c)
                line += QStringLiteral("  ") + cells[c].rightJustified(widths[static_cast<std::size_t>(c)]);
            out << line;
        }
    }
    return out;
}

// One piece of a sheet, placed on a page of it.
struct Piece {
    enum class Kind { Title, Line, Photos } kind = Kind::Line;
    QString text;
    std::vector<Foto> photos; // a row of them
    double height = 0;
    int page = 0;
    double top = 0;
};

constexpr int photoColumns = 2;

struct PhotoRow {
    double cellWidth;
    double imageHeight;
    double captionHeight;
    double gap;
};

PhotoRow photoRow(double width, double captionLine) {
    const double gap = width * 0.03;
    const double cell = (width - gap * (photoColumns - 1)) / photoColumns;
    return {cell, cell * 0.75, captionLine * 2.2, gap};
}

QString photoCaption(const Foto& photo) {
    QStringList parts;
    if (!photo.title.empty()) parts << qs(photo.title);
    if (!photo.cone.empty()) parts << TestSheetPrinter::tr("kegel %1").arg(qs(photo.cone));
    if (photo.atmosphere) parts << QString::fromUtf8(Choices<Atmosphere>::text(*photo.atmosphere));
    if (!photo.firing.empty()) parts << qs(photo.firing);
    return parts.isEmpty() ? qs(photo.file) : parts.join(QStringLiteral(", "));
}

// The photo scaled into `box` keeping its shape, read no larger than a
// print needs (300 dots per inch); a frame naming the expected path where
// the file is missing or cannot be read.
void drawPhoto(QPainter& painter, const QRectF& box, const QString& path, const QPrinter& printer) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const double dots = 300.0 / printer.resolution();
    const QSize wanted(std::max(1, static_cast<int>(box.width() * dots)),
                       std::max(1, static_cast<int>(box.height() * dots)));
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > wanted.width() || size.height() > wanted.height()))
        reader.setScaledSize(size.scaled(wanted, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) {
        painter.drawRect(box);
        const QString why = QFileInfo::exists(path) ? TestSheetPrinter::tr("Foto niet te lezen:")
                                                    : TestSheetPrinter::tr("Foto ontbreekt:");
        painter.drawText(box.adjusted(box.width() * 0.05, 0, -box.width() * 0.05, 0),
                         Qt::AlignCenter | Qt::TextWrapAnywhere, why + QLatin1Char('\n') + path);
        return;
    }
    const QSizeF shown = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.left() + (box.width() - shown.width()) / 2, box.top(), shown.width(),
                        shown.height());
    painter.drawImage(target, image);
}

// The part of the page the heading leaves, measured on a one-pixel image of
// the printer's resolution so that nothing is drawn on the printer twice.
QRectF bodyOf(const QPrinter& printer, const QRectF& page, const SheetHeading& heading) {
    QImage probe(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(printer.resolution() / 0.0254);
    probe.setDotsPerMeterX(dotsPerMetre);
    probe.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&probe);
    return ReportPrinter::drawHeading(painter, page, heading, 1, 1);
}

// Places the pieces on pages of `body`'s height; returns the page count.
int paginate(std::vector<Piece>& pieces, double bodyHeight) {
    int page = 0;
    double top = 0;
    for (Piece& piece : pieces) {
        piece.height = std::min(piece.height, bodyHeight);
        if (top > 0 && top + piece.height > bodyHeight) {
            ++page;
            top = 0;
        }
        piece.page = page;
        piece.top = top;
        top += piece.height;
    }
    return page + 1;
}

} // namespace

void TestSheetPrinter::printSheets(QPrinter& printer, const Notebook& notebook,
                                   const std::vector<const Proef*>& tests, const HeadingOf& headingOf) {
    printer.setDocName(QString::fromLatin1(ReportPrinter::jobTitle));
    printer.setFullPage(false);
    ReportPrinter::keepMargins(printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel)
                            .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    const QFont title(titleFont(), &printer);
    const QFont text(ReportPrinter::printFont(), &printer);
    const QFont caption(captionFont(), &printer);
    const QFontMetricsF titleMetrics(title);
    const QFontMetricsF textMetrics(text);
    const QFontMetricsF captionMetrics(caption);

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(tr("Het afdrukken kon niet beginnen.").toStdString());
    bool first = true;
    for (const Proef* test : tests) {
        if (!test) continue;
        SheetHeading heading;
        if (headingOf) {
            heading = headingOf(*test);
        } else {
            heading.title = tr("Proef");
            heading.glaze = qs(test->glaze);
        }
        const QRectF body = bodyOf(printer, page, heading);
        const PhotoRow row = photoRow(body.width(), captionMetrics.height());

        std::vector<Piece> pieces;
        const QStringList lines = alignedColumns(TestSheet::lines(notebook.data(), *test));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            Piece piece;
            if (i == 0) {
                piece.kind = Piece::Kind::Title;
                piece.text = lines[i];
                piece.height = titleMetrics.height() * 1.4;
            } else {
                piece.text = lines[i];
                const QRectF room(0, 0, body.width(), 1e9);
                piece.height =
                    std::max(textMetrics.height(),
                             textMetrics.boundingRect(room, Qt::TextWordWrap, piece.text).height());
            }
            pieces.push_back(std::move(piece));
        }
        const auto photos = notebook.data().photosOf(test->code);
        for (std::size_t i = 0; i < photos.size(); i += photoColumns) {
            Piece piece;
            piece.kind = Piece::Kind::Photos;
            for (std::size_t k = i; k < std::min(photos.size(), i + photoColumns); ++k)
                piece.photos.push_back(*photos[k]);
            piece.height = row.imageHeight + row.captionHeight + row.gap;
            pieces.push_back(std::move(piece));
        }
        const int pages = paginate(pieces, body.height());

        for (int p = 0; p < pages; ++p) {
            if (!first && !printer.newPage())
                throw std::runtime_error(tr("Het afdrukken kon niet verder.").toStdString());
            first = false;
            ReportPrinter::drawHeading(painter, page, heading, p + 1, pages);
            for (const Piece& piece : pieces) {
                if (piece.page != p) continue;
                const QRectF at(body.left(), body.top() + piece.top, body.width(), piece.height);
                painter.save();
                painter.setClipRect(at);
                switch (piece.kind) {
                case Piece::Kind::Title:
                    painter.setFont(QFont(titleFont(), painter.device()));
                    painter.drawText(at, Qt::AlignLeft | Qt::AlignTop, piece.text);
                    break;
                case Piece::Kind::Line:
                    painter.setFont(QFont(ReportPrinter::printFont(), painter.device()));
                    painter.drawText(at, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, piece.text);
                    break;
                case Piece::Kind::Photos:
                    painter.setFont(QFont(captionFont(), painter.device()));
                    for (std::size_t k = 0; k < piece.photos.size(); ++k) {
                        const double left = at.left() + static_cast<double>(k) * (row.cellWidth + row.gap);
                        const QRectF box(left, at.top() + row.gap, row.cellWidth, row.imageHeight);
                        drawPhoto(painter, box, qs(notebook.photoPath(piece.photos[k])), printer);
                        painter.drawText(
                            QRectF(left, box.bottom() + row.gap * 0.3, row.cellWidth, row.captionHeight),
                            Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                            photoCaption(piece.photos[k]));
                    }
                    break;
                }
                painter.restore();
            }
        }
    }
    painter.end();
}

void TestSheetPrinter::prepareForLabels(QPrinter& printer, LabelLayout layout) {
    if (layout == LabelLayout::StickerSheet)
        printer.setPageSize(QPageSize(QPageSize::A4));
    else
        printer.setPageSize(QPageSize(QSizeF(labelWidthMm, labelHeightMm), QPageSize::Millimeter,
                                      tr("Etiket %1 × %2 mm").arg(labelWidthMm).arg(labelHeightMm)));
}

namespace {

// The code as large as the label's width allows, the glaze's name under it.
void drawLabel(QPainter& painter, const QRectF& label, const Proef& test, double padding) {
    const QRectF inner = label.adjusted(padding, padding, -padding, -padding);
    if (inner.width() <= 0 || inner.height() <= 0) return;
    QFont code = ReportPrinter::printFont();
    // Point sizes from the label's height: 45 % of it for the code.
    const double toPoints = 72.0 / painter.device()->logicalDpiY();
    code.setPointSizeF(std::max(4.0, inner.height() * 0.45 * toPoints));
    QFont fitted(code, painter.device());
    const QString codeText = qs(test.code);
    for (int shrink = 0; shrink < 40; ++shrink) {
        if (QFontMetricsF(fitted).horizontalAdvance(codeText) <= inner.width()) break;
        code.setPointSizeF(code.pointSizeF() * 0.9);
        fitted = QFont(code, painter.device());
    }
    QFont name = ReportPrinter::reportFont();
    name.setPointSizeF(std::max(4.0, inner.height() * 0.16 * toPoints));
    const QFont nameFont(name, painter.device());
    const QRectF codeBox(inner.left(), inner.top(), inner.width(), inner.height() * 0.62);
    const QRectF nameBox(inner.left(), codeBox.bottom(), inner.width(), inner.height() - codeBox.height());
    painter.save();
    painter.setClipRect(label);
    painter.setFont(fitted);
    painter.drawText(codeBox, Qt::AlignCenter, codeText);
    painter.setFont(nameFont);
    painter.drawText(nameBox, Qt::AlignHCenter | Qt::AlignTop,
                     QFontMetricsF(nameFont).elidedText(qs(test.glaze), Qt::ElideRight, inner.width()));
    painter.restore();
}

} // namespace

void TestSheetPrinter::printLabels(QPrinter& printer, const std::vector<const Proef*>& tests,
                                   LabelLayout layout) {
    printer.setDocName(QString::fromLatin1(ReportPrinter::jobTitle));
    // Sticker sheets and labels are cut to the paper's edge: the grid is
    // placed on the paper, not inside the margins of a report.
    printer.setFullPage(true);
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel)
                             .translated(-printer.paperRect(QPrinter::DevicePixel).topLeft());
    const double padding = mmToDevice(3.0, printer);
    std::vector<const Proef*> labels;
    for (const Proef* test : tests)
        if (test) labels.push_back(test);

    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(tr("Het afdrukken kon niet beginnen.").toStdString());
    if (layout == LabelLayout::LabelPrinter) {
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (i > 0 && !printer.newPage())
                throw std::runtime_error(tr("Het afdrukken kon niet verder.").toStdString());
            drawLabel(painter, paper, *labels[i], padding);
        }
    } else {
        const double width = mmToDevice(labelWidthMm, printer);
        const double height = mmToDevice(labelHeightMm, printer);
        // A sheet smaller than A4 takes the rows and columns that fit on it.
        // (A4 is exactly three labels wide: rounding must not lose one.)
        const int columns = std::clamp(static_cast<int>(paper.width() / width + 0.01), 1, sheetColumns);
        const int rows = std::clamp(static_cast<int>(paper.height() / height + 0.01), 1, sheetRows);
        const double left = std::max(0.0, (paper.width() - columns * width) / 2);
        const double top = std::max(0.0, (paper.height() - rows * height) / 2);
        const std::size_t perSheet = static_cast<std::size_t>(columns * rows);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const std::size_t place = i % perSheet;
            if (i > 0 && place == 0 && !printer.newPage())
                throw std::runtime_error(tr("Het afdrukken kon niet verder.").toStdString());
            const double x = left + static_cast<double>(place % static_cast<std::size_t>(columns)) * width;
            const double y = top + static_cast<double>(place / static_cast<std::size_t>(columns)) * height;
            drawLabel(painter, QRectF(x, y, width, height), *labels[i], padding);
        }
    }
    painter.end();
}

} // namespace kelvora
