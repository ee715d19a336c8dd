#pragma once

#include <QChar>

namespace vn {

// How a line of text is cut into fields, or put together from them. The numbers are the views'
// choices and stay as they are.
enum class FieldMethod : int { None = 0, FixedLength = 1, Delimited = 2, Tab = 3 };

// The single-byte set of files from older installations, or UTF-8.
enum class TextCharset { Windows1252, Utf8 };

struct CutSettings {
    FieldMethod method = FieldMethod::None;
    int size = 0;     // FixedLength: characters a field, at least 1
    QChar delimiter;  // Delimited: the data delimiter; null for none
    QChar separator;  // Delimited: the field separator; required

    // The method is complete: a size of at least 1, or a separator.
    bool isReady() const;
};

}  // namespace vn
