#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace zz {

// A failure the core cannot handle itself. The program shows message() in an error box
// at the boundary of the user action; the command-line tool prints it.
class Error : public std::exception {
public:
    explicit Error(QString message);
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A file that cannot be read or written; the message names the file and the problem.
class FileError : public Error {
public:
    FileError(QString file, QString problem);
    const QString& file() const noexcept { return m_file; }
    const QString& problem() const noexcept { return m_problem; }

private:
    QString m_file;
    QString m_problem;
};

// A file that is not well-formed XML; the message names the file, the line and the parser's message.
class XmlParseError : public FileError {
public:
    XmlParseError(QString file, int line, QString parserMessage);
    int line() const noexcept { return m_line; }
    const QString& parserMessage() const noexcept { return m_parserMessage; }

private:
    int m_line;
    QString m_parserMessage;
};

} // namespace zz
