// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/ReportPrinter.h"

#include <QCoreApplication>

#include <functional>
#include <vector>

class QPrinter;

namespace kelvora {

class Notebook;
struct Proef;

// The printed sheets of the test notebook, on the program's print path:
// the test sheet (the code in large type, the sheet's lines, the photos
// drawn below them) and the tile labels (code and glaze name). Like
// ReportPrinter::print these print without asking, so a PDF printer takes
// them as well as a paper one; the windows show the print dialog first.
class TestSheetPrinter {
    Q_DECLARE_TR_FUNCTIONS(kelvora::TestSheetPrinter)

public:
    // A4 sticker sheets of 3 x 8 labels of 70 x 37 mm, or a label printer
    // that takes one label per page.
    enum class LabelLayout { StickerSheet, LabelPrinter };
    static constexpr int sheetColumns = 3;
    static constexpr int sheetRows = 8;
    static constexpr double labelWidthMm = 70.0;
    static constexpr double labelHeightMm = 37.0;

    // The heading of a test's sheet; without one it is "Proef" and the
    // test's glaze.
    using HeadingOf = std::function<SheetHeading(const Proef& test)>;

    // Every test on a sheet of its own, starting on a new page and headed
    // and numbered as its own sheet. std::runtime_error when the printer
    // cannot begin.
    static void printSheets(QPrinter& printer, const Notebook& notebook,
                            const std::vector<const Proef*>& tests, const HeadingOf& headingOf = {});
    // The page size that suits a layout (A4, or one label), set before the
    // print dialog so that the user may still change it there.
    static void prepareForLabels(QPrinter& printer, LabelLayout layout);
    // One label per test, in the order given.
    static void printLabels(QPrinter& printer, const std::vector<const Proef*>& tests, LabelLayout layout);
};

} // namespace kelvora
