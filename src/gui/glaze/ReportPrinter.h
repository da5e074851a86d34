// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QFont>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace kelvora {

struct Glaze;

// What every printed page says above and below its contents, so that a loose
// sheet still tells what it is, which glaze it is about and when it was
// printed: "Batch: Seladon   SK 8 - 1250 tot SK 10 - 1300   11-12-2026" at the
// top, "blad 1 van 2" at the foot.
struct SheetHeading {
    QString title; // what the sheet is ("Batch", "Stull-diagram"); may be empty
    QString glaze; // the glaze's name; may be empty
    QString cones; // the glaze's cones as the report gives them; may be empty
    QDate date = QDate::currentDate();

    // The name and cones of a glaze, under a title.
    static SheetHeading of(const QString& title, const Glaze& glaze);
    // The cones as the analysis report gives them; empty without any.
    static QString conesOf(const std::string& from, const std::string& to);
    // The top line's left part, and the date as dd-mm-jjjj.
    QString what() const;
    QString dateText() const;
    static QString pageText(int page, int pages);
};

// The one way Kelvora puts text lines on paper: the print dialog, then one
// job titled "Kelvora printjob" in bold Courier inside margins of at least
// 15 mm, a new page whenever the text does not fit, every page headed and
// numbered.
class ReportPrinter {
public:
    static constexpr const char* jobTitle = "Kelvora printjob";

    // Fixed pitch keeps columns under each other on screen and on paper.
    static QFont reportFont();
    static QFont printFont();

    // Shows the print dialog on `printer`; prints the lines when accepted.
    // Returns true when something was printed.
    static bool printWithDialog(QWidget* parent, QPrinter& printer, const std::vector<std::string>& lines,
                                const SheetHeading& heading = {});
    // Prints without asking (a PDF printer in the tests, for instance).
    static bool print(QPrinter& printer, const std::vector<std::string>& lines,
                      const SheetHeading& heading = {});

    // Gives the page margins of at least 15 mm (printers cut what
    // lies closer to the edge); a wider margin chosen in the dialog stays.
    static void keepMargins(QPagedPaintDevice& device);
    // Draws the heading at the top of `page` and the page number at its
    // foot; returns the part of the page left for the contents.
    static QRectF drawHeading(QPainter& painter, const QRectF& page, const SheetHeading& heading, int number,
                              int pages);
};

} // namespace kelvora
