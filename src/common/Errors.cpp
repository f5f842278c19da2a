#include "common/Errors.h"

#include <QDir>
#include <utility>

namespace zz {

Error::Error(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8()) {}

FileError::FileError(QString file, QString problem)
    : Error(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), problem))
    , m_file(std::move(file))
    , m_problem(std::move(problem)) {}

XmlParseError::XmlParseError(QString file, int line, QString parserMessage)
    : FileError(std::move(file),
                QStringLiteral("not well-formed XML at line %1: %2").arg(line).arg(parserMessage))
    , m_line(line)
    , m_parserMessage(std::move(parserMessage)) {}

} // namespace zz
