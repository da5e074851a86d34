// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

namespace kelvora {

// An error of the table store, the settings file or file copying. what() is
// exactly the text the user must see.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be read or written; the text carries the system's reason.
class FileError : public StoreError {
public:
    using StoreError::StoreError;
};

// The data folder is in use by another Kelvora program; what() says so in Dutch.
class DataFolderBusy : public StoreError {
public:
    using StoreError::StoreError;
};

// Formats "%s" placeholders of the store's message texts, in order.
std::string formatMessage(std::string pattern, std::initializer_list<std::string> args);

} // namespace kelvora
