// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/View.h"
#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "common/Utf8.h"
#include "store/PacketCodec.h"
#include "store/StoreError.h"
#include "store/StoreTransaction.h"
#include "store/TableRules.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace kelvora {

namespace {
// Where the table was looked for and why it gave no data: ": <path> (reason)".
std::string missingFileReason(const std::string& fileName) {
    if (fileName.empty()) return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(fileName, ec);
    const std::string path = ec ? fileName : absolute.lexically_normal().string();
    const auto status = std::filesystem::status(fileName, ec);
    std::string reason;
    if (!std::filesystem::exists(status))
        reason = translate("StoreError", "bestand bestaat niet");
    else if (std::filesystem::is_regular_file(status) && std::filesystem::file_size(fileName, ec) == 0 && !ec)
        reason = translate("StoreError", "bestand is leeg");
    else
        reason = translate("StoreError", "bestand kan niet gelezen worden");
    return fillIn(translate("StoreError", ": %1 (%2)"), {path, reason});
}
} // namespace

View::View(std::string name, std::string fileName) : name_(std::move(name)), fileName_(std::move(fileName)) {}

View::~View() {
    try {
        close();
    } catch (...) {
        // Nothing can be reported from a destructor; callers close explicitly.
    }
    const auto observers = std::move(observers_);
    observers_.clear();
    for (ViewObserver* o : observers) {
        std::erase(o->watched_, this);
        o->viewDestroyed(*this);
    }
}

ViewObserver::~ViewObserver() {
    for (View* view : std::vector<View*>(watched_))
        view->removeObserver(this);
}

std::string View::prefixed(const std::string& message) const {
    return name_ + ": " + message;
}

void View::fail(const std::string& message) const {
    throw StoreError(prefixed(message));
}

void View::requireOpen() const {
    if (state_ == ViewState::Closed)
        fail(translate("StoreError", "Cannot perform this operation on a closed dataset"));
}

void View::requireWritable() const {
    requireOpen();
    if (readOnly_) fail(translate("StoreError", "Cannot modify a read-only dataset"));
}

void View::requireEditing() const {
    requireOpen();
    if (state_ != ViewState::Edit && state_ != ViewState::Insert)
        fail(translate("StoreError", "Dataset not in edit or insert mode"));
}

void View::notify(ViewEvent event, int field) {
    // Bulk writes (a calculation's result, the command line) often have no
    // observer: then there is nothing to copy or call.
    if (observers_.empty()) return;
    auto copy = observers_;
    for (auto* o : copy)
        if (std::find(observers_.begin(), observers_.end(), o) != observers_.end())
            o->viewChanged(*this, event, field);
}

void View::addObserver(ViewObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) return;
    observers_.push_back(observer);
    observer->watched_.push_back(this);
}

void View::removeObserver(ViewObserver* observer) {
    if (std::erase(observers_, observer) > 0) std::erase(observer->watched_, this);
}

void View::updateRecord() {
    if (state_ == ViewState::Edit || state_ == ViewState::Insert) notify(ViewEvent::UpdateRecord);
}

// ---- open and close ------------------------------------------------------

void View::bind(Packet& packet) const {
    for (const auto& d : declared_) {
        int i = packet.fieldIndex(d.name);
        // A file written before the program knew this field: every row holds
        // it empty, and the next write stores it with the rest.
        if (i < 0) {
            packet.addField(d);
            continue;
        }
        const auto& actual = packet.fields()[static_cast<std::size_t>(i)];
        if (actual.type != d.type)
            fail(fillIn(translate("StoreError", "Type mismatch for field '%1', expecting: %2 actual: %3"),
                        {d.name, fieldTypeName(d.type), fieldTypeName(actual.type)}));
        // A declared text field wider than the file's keeps the declared width,
        // so a value that fits the window is never cut by an older file.
        if (d.type == FieldType::Text && d.width > actual.width) packet.setWidth(i, d.width);
    }
}

void View::open() {
    if (active()) return;
    std::optional<Packet> packet;
    FileIdentity identity;
    try {
        packet = fileName_.empty() ? std::nullopt : readPacketFile(fileName_, &identity);
    } catch (const StoreError& e) {
        fail(e.what());
    }
    if (!packet)
        fail(translate("StoreError", "Missing data provider or data packet") + missingFileReason(fileName_));
    openPacket(std::move(*packet));
    readIdentity_ = identity;
    readPath_ = fileName_;
}

void View::openPacket(Packet packet) {
    if (active()) return;
    readIdentity_.reset();
    bind(packet);
    if (!orderField_.empty() && packet.fieldIndex(orderField_) < 0)
        fail(fillIn(translate("StoreError", "Field '%1' not found"), {orderField_}));
    packet_ = std::move(packet);
    sortRows();
    current_ = packet_.rows.empty() ? -1 : 0;
    bof_ = true;
    eof_ = packet_.rows.empty();
    changed_ = false;
    unsaved_ = false;
    modified_ = false;
    logChanges_ = true;
    state_ = ViewState::Browse;
    notify(ViewEvent::Opened);
}

void View::writeBack() {
    try {
        const bool sameFile = readIdentity_ && readPath_ == fileName_;
        writePacketFile(fileName_, packet_, sameFile ? &*readIdentity_ : nullptr);
        // The next write checks the file against what this one left.
        readIdentity_ = FileIdentity::ofFile(fileName_);
        readPath_ = fileName_;
    } catch (const StoreError& e) {
        fail(e.what());
    }
    unsaved_ = false;
}

void View::saveWith(StoreTransaction& transaction) {
    requireOpen();
    if (state_ == ViewState::Edit || state_ == ViewState::Insert)
        fail(translate("StoreError", "Dataset in edit or insert mode"));
    if (fileName_.empty()) fail(translate("StoreError", "Missing data provider or data packet"));
    const bool sameFile = readIdentity_ && readPath_ == fileName_;
    try {
        transaction.write(fileName_, packet_, sameFile ? &*readIdentity_ : nullptr,
                          [this, path = fileName_](const FileIdentity& written) {
                              // The next write checks the file against the one the change left.
                              readIdentity_ = written;
                              readPath_ = path;
                              unsaved_ = false;
                          });
    } catch (const StoreError& e) {
        fail(e.what());
    }
}

void View::save() {
    if (!active() || !unsaved_ || fileName_.empty()) return;
    writeBack();
}

void View::close() {
    if (!active()) return;
    if (state_ == ViewState::Edit || state_ == ViewState::Insert) cancel();
    // Write first: when the write fails the rows stay in memory and the
    // caller sees the error; nothing is thrown away.
    // Rows already written by save() are not written again.
    if (unsaved_ && !fileName_.empty()) writeBack();
    packet_ = Packet();
    readIdentity_.reset();
    current_ = -1;
    eof_ = bof_ = true;
    changed_ = false;
    state_ = ViewState::Closed;
    notify(ViewEvent::Closed);
}

// ---- order ------------------------------------------------------------------

int View::keyField() const {
    return orderField_.empty() ? -1 : packet_.fieldIndex(orderField_);
}

void View::sortRows() {
    int key = keyField();
    if (key < 0) return;
    for (Row& row : packet_.rows)
        row.key = packet_.text(row, key);
    auto less = [](const Row& a, const Row& b) { return a.key < b.key; };
    // Files the store wrote are already in name order; only others need sorting.
    if (!std::is_sorted(packet_.rows.begin(), packet_.rows.end(), less))
        std::stable_sort(packet_.rows.begin(), packet_.rows.end(), less);
}

void View::setIndexFieldNames(const std::string& field) {
    if (field == orderField_) return;
    if (active()) {
        if (!field.empty() && packet_.fieldIndex(field) < 0)
            fail(fillIn(translate("StoreError", "Field '%1' not found"), {field}));
        settlePending();
    }
    orderField_ = field;
    if (active()) {
        sortRows();
        if (current_ >= 0) current_ = 0;
        notify(ViewEvent::DataChanged);
    }
}

void View::placeCurrentInOrder() {
    int key = keyField();
    if (key < 0 || current_ < 0) return;
    auto& rows = packet_.rows;
    Row& edited = rows[static_cast<std::size_t>(current_)];
    edited.key = packet_.text(edited, key);
    if (state_ == ViewState::Edit && edited.key == keyBefore_) return;
    Row row = std::move(edited);
    rows.erase(rows.begin() + current_);
    auto pos = std::upper_bound(rows.begin(), rows.end(), row.key,
                                [](const std::string& k, const Row& r) { return k < r.key; });
    current_ = static_cast<int>(pos - rows.begin());
    rows.insert(pos, std::move(row));
}

// ---- editing ----------------------------------------------------------------

void View::edit() {
    requireOpen();
    if (state_ == ViewState::Edit || state_ == ViewState::Insert) return;
    if (packet_.rows.empty()) {
        insert();
        return;
    }
    if (readOnly_) fail(translate("StoreError", "Cannot modify a read-only dataset"));
    // Copy-assigning into the kept backup reuses its storage: editing a row
    // costs no allocation once the view has been edited before.
    backup_ = packet_.rows[static_cast<std::size_t>(current_)];
    hasBackup_ = true;
    int key = keyField();
    keyBefore_ = key >= 0 ? packet_.text(backup_, key) : std::string();
    modified_ = false;
    state_ = ViewState::Edit;
    notify(ViewEvent::StateChanged);
}

void View::insert() {
    startNewRow(false);
}

void View::append() {
    startNewRow(true);
}

void View::startNewRow(bool atEnd) {
    requireWritable();
    settlePending();
    int pos = atEnd ? static_cast<int>(packet_.rows.size()) : current_ < 0 ? 0 : current_;
    packet_.rows.insert(packet_.rows.begin() + pos, packet_.emptyRow());
    current_ = pos;
    eof_ = bof_ = false;
    modified_ = false;
    hasBackup_ = false;
    state_ = ViewState::Insert;
    if (newRowDefaults_) {
        newRowDefaults_(*this);
        modified_ = false;
    }
    notify(ViewEvent::DataChanged);
    notify(ViewEvent::StateChanged);
}

void View::post() {
    if (state_ != ViewState::Edit && state_ != ViewState::Insert) return;
    updateRecord();
    if (beforePost_) beforePost_(*this);
    placeCurrentInOrder();
    state_ = ViewState::Browse;
    changed_ = true;
    unsaved_ = true;
    modified_ = false;
    hasBackup_ = false;
    notify(ViewEvent::DataChanged);
    notify(ViewEvent::StateChanged);
}

void View::cancel() {
    if (state_ == ViewState::Insert) {
        packet_.rows.erase(packet_.rows.begin() + current_);
        if (current_ >= static_cast<int>(packet_.rows.size()))
            current_ = static_cast<int>(packet_.rows.size()) - 1;
    } else if (state_ == ViewState::Edit) {
        if (hasBackup_) std::swap(packet_.rows[static_cast<std::size_t>(current_)], backup_);
    } else {
        return;
    }
    hasBackup_ = false;
    modified_ = false;
    state_ = ViewState::Browse;
    eof_ = bof_ = packet_.rows.empty();
    notify(ViewEvent::DataChanged);
    notify(ViewEvent::StateChanged);
}

void View::remove() {
    requireWritable();
    if (state_ == ViewState::Insert) {
        cancel();
        return;
    }
    if (state_ == ViewState::Edit) cancel();
    if (packet_.rows.empty())
        fail(translate("StoreError", "Cannot perform this operation on an empty dataset"));
    packet_.rows.erase(packet_.rows.begin() + current_);
    if (current_ >= static_cast<int>(packet_.rows.size()))
        current_ = static_cast<int>(packet_.rows.size()) - 1;
    eof_ = bof_ = packet_.rows.empty();
    changed_ = true;
    unsaved_ = true;
    notify(ViewEvent::DataChanged);
}

void View::settlePending() {
    if (state_ != ViewState::Edit && state_ != ViewState::Insert) return;
    updateRecord();
    if (modified_)
        post();
    else
        cancel();
}

// ---- moving -----------------------------------------------------------------

int View::recordCount() const {
    return active() ? static_cast<int>(packet_.rows.size()) : 0;
}

void View::first() {
    requireOpen();
    settlePending();
    current_ = packet_.rows.empty() ? -1 : 0;
    bof_ = true;
    eof_ = packet_.rows.empty();
    notify(ViewEvent::Scrolled);
}

void View::last() {
    requireOpen();
    settlePending();
    current_ = static_cast<int>(packet_.rows.size()) - 1;
    eof_ = true;
    bof_ = packet_.rows.empty();
    notify(ViewEvent::Scrolled);
}

void View::next() {
    requireOpen();
    settlePending();
    if (current_ + 1 < static_cast<int>(packet_.rows.size())) {
        ++current_;
        bof_ = false;
        eof_ = false;
    } else {
        eof_ = true;
    }
    notify(ViewEvent::Scrolled);
}

void View::prior() {
    requireOpen();
    settlePending();
    if (current_ > 0) {
        --current_;
        eof_ = false;
        bof_ = false;
    } else {
        bof_ = true;
    }
    notify(ViewEvent::Scrolled);
}

void View::moveTo(int index) {
    requireOpen();
    settlePending();
    if (packet_.rows.empty()) return;
    current_ = std::clamp(index, 0, static_cast<int>(packet_.rows.size()) - 1);
    eof_ = bof_ = false;
    notify(ViewEvent::Scrolled);
}

bool View::findKey(std::string_view value) {
    requireOpen();
    settlePending();
    int key = keyField();
    if (key < 0) fail(translate("StoreError", "No index currently active"));
    const auto& rows = packet_.rows;
    auto pos = std::lower_bound(rows.begin(), rows.end(), value,
                                [](const Row& r, std::string_view k) { return std::string_view(r.key) < k; });
    if (pos == rows.end() || pos->key != value) return false;
    current_ = static_cast<int>(pos - rows.begin());
    eof_ = bof_ = false;
    notify(ViewEvent::Scrolled);
    return true;
}

// ---- field access -----------------------------------------------------------

const FieldDefs& View::fields() const {
    return active() ? packet_.fields() : declared_;
}

bool View::hasField(std::string_view name) const {
    if (active()) return packet_.fieldIndex(name) >= 0;
    return std::any_of(declared_.begin(), declared_.end(),
                       [&](const FieldDef& d) { return utf8::equalsIgnoreCaseAscii(d.name, name); });
}

int View::fieldIndex(std::string_view name) const {
    int i = active() ? packet_.fieldIndex(name) : -1;
    if (i < 0) fail(fillIn(translate("StoreError", "Field '%1' not found"), {std::string(name)}));
    return i;
}

const Row* View::currentRow() const {
    if (!active() || current_ < 0) return nullptr;
    return &packet_.rows[static_cast<std::size_t>(current_)];
}

std::string View::textAt(int row, int field) const {
    if (!active() || row < 0 || row >= static_cast<int>(packet_.rows.size())) return {};
    const Row& r = packet_.rows[static_cast<std::size_t>(row)];
    if (packet_.isText(field)) return packet_.text(r, field);
    double v = packet_.number(r, field);
    if (isNullNumber(v)) return {};
    if (packet_.fields()[static_cast<std::size_t>(field)].type == FieldType::Integer)
        return std::to_string(static_cast<long>(v));
    return numfmt::floatText(v);
}

double View::numberAt(int row, int field) const {
    if (!active() || row < 0 || row >= static_cast<int>(packet_.rows.size())) return 0;
    const Row& r = packet_.rows[static_cast<std::size_t>(row)];
    if (packet_.isText(field)) return numfmt::parseFloat(packet_.text(r, field)).value_or(0);
    double v = packet_.number(r, field);
    return isNullNumber(v) ? 0 : v;
}

// A closed view answers with empty values for the fields it declares.
void View::checkClosedRead(std::string_view field) const {
    if (!declared_.empty() && !hasField(field))
        fail(fillIn(translate("StoreError", "Field '%1' not found"), {std::string(field)}));
}

std::string View::asText(std::string_view field) const {
    if (!active()) return checkClosedRead(field), std::string();
    return asText(fieldIndex(field));
}
double View::asNumber(std::string_view field) const {
    if (!active()) return checkClosedRead(field), 0.0;
    return asNumber(fieldIndex(field));
}
bool View::isNull(std::string_view field) const {
    if (!active()) return checkClosedRead(field), true;
    return isNull(fieldIndex(field));
}

std::string View::asText(int field) const {
    return textAt(current_, field);
}
double View::asNumber(int field) const {
    return numberAt(current_, field);
}
bool View::isNull(int field) const {
    const Row* r = currentRow();
    return !r || packet_.isNull(*r, field);
}

void View::setText(std::string_view field, std::string_view text) {
    requireOpen();
    setText(fieldIndex(field), text);
}
void View::setNumber(std::string_view field, double value) {
    requireOpen();
    setNumber(fieldIndex(field), value);
}

void View::setText(int field, std::string_view text) {
    requireEditing();
    Row& row = packet_.rows[static_cast<std::size_t>(current_)];
    const FieldDef& def = packet_.fields()[static_cast<std::size_t>(field)];
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo: {
        // A text field keeps what fits its width; what it keeps must be a
        // text the readers accept.
        const std::string_view kept =
            def.type == FieldType::Text ? utf8::prefix(text, static_cast<std::size_t>(def.width)) : text;
        const std::string problem = TableRules::textProblem(def, kept);
        if (!problem.empty())
            fail(fillIn(translate("StoreError", "Field '%1' cannot hold %2"), {def.name, problem}));
        packet_.setText(row, field, std::string(kept));
        break;
    }
    case FieldType::Float: {
        if (text.empty()) {
            packet_.setNull(row, field);
            break;
        }
        auto v = numfmt::parseFloat(text);
        if (!v)
            throw StoreError(
                fillIn(translate("StoreError", "'%1' is not a valid floating point value for field '%2'"),
                       {std::string(text), def.name}));
        packet_.setNumber(row, field, *v);
        break;
    }
    case FieldType::Integer: {
        if (text.empty()) {
            packet_.setNull(row, field);
            break;
        }
        auto v = numfmt::parseInteger(text);
        if (!v)
            throw StoreError(
                fillIn(translate("StoreError", "'%1' is not a valid integer value for field '%2'"),
                       {std::string(text), def.name}));
        packet_.setNumber(row, field, static_cast<double>(*v));
        break;
    }
    }
    modified_ = true;
    notify(ViewEvent::FieldChanged, field);
}

namespace {
// A number into an integer or text field: rounded and range-checked, or
// written as text. Kept out of line so that storing a float stays cheap.
[[gnu::noinline]] void storeConverted(const Packet& packet, Row& row, const FieldDef& def, int field,
                                      double value) {
    if (def.type == FieldType::Integer) {
        double r = std::nearbyint(value);
        if (r < INT32_MIN || r > INT32_MAX)
            packet.setNull(row, field);
        else
            packet.setNumber(row, field, r);
    } else {
        std::string text = numfmt::floatText(value);
        packet.setText(row, field,
                       def.type == FieldType::Text
                           ? std::string(utf8::prefix(text, static_cast<std::size_t>(def.width)))
                           : text);
    }
}
} // namespace

void View::setNumber(int field, double value) {
    // The state test inline; the call only to raise the error.
    if (state_ != ViewState::Edit && state_ != ViewState::Insert) requireEditing();
    Row& row = packet_.rows[static_cast<std::size_t>(current_)];
    const FieldDef& def = packet_.fields()[static_cast<std::size_t>(field)];
    // A value that is not a finite number is never stored: it would make the
    // file unreadable. The field becomes empty instead.
    // A new row, or one read without any value, has no value slots yet.
    if (!std::isfinite(value))
        packet_.setNull(row, field);
    else if (def.type == FieldType::Float && !row.num.empty())
        row.num[static_cast<std::size_t>(packet_.slot(field))] = value;
    else if (def.type == FieldType::Float)
        packet_.setNumber(row, field, value);
    else
        storeConverted(packet_, row, def, field, value);
    modified_ = true;
    if (!observers_.empty()) notify(ViewEvent::FieldChanged, field);
}

void View::clear(int field) {
    requireEditing();
    packet_.setNull(packet_.rows[static_cast<std::size_t>(current_)], field);
    modified_ = true;
    notify(ViewEvent::FieldChanged, field);
}

} // namespace kelvora
