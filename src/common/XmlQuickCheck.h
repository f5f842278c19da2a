#pragma once

#include <QByteArrayView>

namespace zz::xml {

// A quick recognizer for the documents the program writes and their like: UTF-8, no document
// type declaration, ASCII names without a colon, few attributes per element. True only when
// `bytes` is certainly a well-formed XML 1.0 document nesting at most `maxDepth` elements;
// false for every other document, well-formed ones it does not handle included, which then
// go to the full conforming reader for the verdict and its message. Linear, and it never
// recurses.
bool isPlainWellFormedXml(QByteArrayView bytes, int maxDepth);

} // namespace zz::xml
