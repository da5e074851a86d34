// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/DBComboBox.h"

#include <string>
#include <vector>

namespace kelvora {

// The glaze editor's "Categorie": the categories are stored as their Dutch
// text, whatever language the window speaks, and shown in the language now
// chosen. Each item shows the translation and carries the stored text as its
// data; choosing one stores that text. A category typed by the user (or one
// stored that is not in the list) is stored and shown as it is.
class CategoryBox : public ui::DBComboBox {
    Q_OBJECT
public:
    CategoryBox(View* view, std::string field, QWidget* parent = nullptr);

    // The categories offered, in their stored form.
    void setCategories(const std::vector<std::string>& stored);
    // How a stored category reads in the current language.
    static QString shown(const std::string& stored);
    // What is stored for the text in the box: a shown category's stored
    // form, anything else as it stands.
    std::string storedFor(const QString& text) const;

protected:
    void showField() override;
    std::string typedText() const override;
    void changeEvent(QEvent* event) override;

private:
    void fillItems();
    std::vector<std::string> stored_;
};

} // namespace kelvora
