#pragma once

#include <stdexcept>
#include <string>

// Failures of loading and saving files. Each carries the exact text and caption the
// editor shows; an empty text means the failure is reported without a message of its own.
class err : public std::runtime_error {
public:
    err(std::string text, std::string caption)
        : std::runtime_error(text), text_(std::move(text)), caption_(std::move(caption)) {}
    const std::string& text() const { return text_; }
    const std::string& caption() const { return caption_; }

private:
    std::string text_;
    std::string caption_;
};

// The glider file cannot be read or is not a glider file.
class errLoadGlider : public err {
public:
    using err::err;
};

// An airfoil file is missing or lacks one of its sections.
class errLoadFoil : public err {
public:
    using err::err;
};

// An airfoil file has no usable polar count.
class errOldFoil : public err {
public:
    using err::err;
};

// A glider could not be saved; nothing was replaced.
class errSaveGlider : public err {
public:
    using err::err;
};
