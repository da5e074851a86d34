// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractListModel>
#include <QString>

#include <string>
#include <vector>

namespace kelvora {

// Material names the user ticks to offer them to a solver: each name once, in
// the order given, a blank name left out. Ticking or unticking a name sends
// dataChanged; a new list of names resets the model.
class MaterialChoiceModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit MaterialChoiceModel(QObject* parent = nullptr);

    // Lists these names; those in `picked` start ticked.
    void setNames(const std::vector<std::string>& names, const std::vector<std::string>& picked = {});
    // Ticks exactly the listed names that are in `picked`.
    void setPicked(const std::vector<std::string>& picked);
    // The ticked names in list order.
    std::vector<std::string> picked() const;
    // Whether the name of `row` holds `text`, whatever its case; every row
    // matches an empty text.
    bool matches(int row, const QString& text) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    struct Choice {
        QString name;
        bool picked = false;
    };
    std::vector<Choice> choices_;
};

} // namespace kelvora
