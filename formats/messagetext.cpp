#include "formats/messagetext.h"

#include <QCoreApplication>

MessageText::MessageText(const char* context, const char* form)
    : form_(QCoreApplication::translate(context, form).toStdString()) {}

MessageText& MessageText::arg(const std::string& value) {
    args_.push_back(value);
    return *this;
}

// One pass, so that an argument holding "%2" stays as it is.
std::string MessageText::text() const {
    std::string out;
    out.reserve(form_.size());
    for (std::size_t i = 0; i < form_.size(); ++i) {
        const char c = form_[i];
        const std::size_t next = i + 1 < form_.size() ? std::size_t(form_[i + 1] - '1') : 99;
        if (c == '%' && next < args_.size()) {
            out += args_[next];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}
