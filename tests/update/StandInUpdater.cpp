// Stands in for the external updater in tests. It notes in its own folder that it ran, with its
// arguments and what it read from the job file there, sleeps as long as the file
// standin-sleep-ms in that folder says, then notes that it ended.
#include "common/Errors.h"
#include "common/Xml.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

namespace {

void note(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(text);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString marker = folder.filePath(QStringLiteral("standin-run.txt"));

    QByteArray report = "started\n";
    for (const QString& arg : QCoreApplication::arguments().mid(1))
        report += "arg=" + arg.toUtf8() + '\n';
    try {
        pugi::xml_document job;
        zz::xml::load(job, folder.filePath(QStringLiteral("Ethernet_Update.xml")));
        const pugi::xml_node root = zz::xml::topLevelElement(job, "Ethernet_Update");
        report +=
            "IP_Address_Dev=" + zz::xml::childText(root, "IP_Address_Dev").value_or(QString()).toUtf8() +
            '\n';
        int operations = 0;
        for (pugi::xml_node op : zz::xml::childElement(root, "Operations").children("Operation")) {
            ++operations;
            report +=
                "Ope_FileName=" + zz::xml::childText(op, "Ope_FileName").value_or(QString()).toUtf8() + '\n';
        }
        report += "Operations=" + QByteArray::number(operations) + '\n';
    } catch (const zz::Error& e) {
        report += "job unreadable: " + e.message().toUtf8() + '\n';
    }
    note(marker, report);

    QFile sleep(folder.filePath(QStringLiteral("standin-sleep-ms")));
    if (sleep.open(QIODevice::ReadOnly))
        QThread::msleep(sleep.readAll().trimmed().toULong());
    note(marker, "ended\n");
    return 3; // nobody looks at it
}
