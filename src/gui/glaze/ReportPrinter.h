// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>

#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace kelvora {

// The one way Kelvora puts text lines on paper: the print dialog, then one
// job titled "Kelvora printjob" in bold Courier over the whole printable
// area, a new page whenever the text does not fit.
class ReportPrinter {
public:
    static constexpr const char* jobTitle = "Kelvora printjob";

    // Fixed pitch keeps columns under each other on screen and on paper.
    static QFont reportFont();
    static QFont printFont();

    // Shows the print dialog on `printer`; prints the lines when accepted.
    // Returns true when something was printed.
    static bool printWithDialog(QWidget* parent, QPrinter& printer, const std::vector<std::string>& lines);
    // Prints without asking (a PDF printer in the tests, for instance).
    static bool print(QPrinter& printer, const std::vector<std::string>& lines);
};

} // namespace kelvora
