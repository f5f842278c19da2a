#pragma once

#include <QString>
#include <array>
#include <pugixml.hpp>

namespace zz {

// The choices of the update dialog's options page; all ticked when the dialog is created.
struct JobOptions {
    bool CB_Firmware = true;
    bool CB_Read_Firm = true;
    bool CB_Conf = true;
    bool CB_Read_Conf = true;
};

// Everything the job file is made of.
struct JobRequest {
    std::array<QString, 4> ipParts; // E_IP1 to E_IP4, exactly as typed
    JobOptions options;
    QString MasterDir;  // holds the device firmware Sim883.sim
    QString ProjectDir; // the active configuration, with bin/bank_k.bin
};

// AppDir/Ethernet_Update.xml, where the updater looks for its orders.
QString jobFilePath(const QString& appDir);

// Empties `doc` and builds the job: root Ethernet_Update with the device address, the fixed
// device values and the firmware and/or configuration operation.
void Compile_XML_Parameter(pugi::xml_document& doc, const JobRequest& request);

// MasterDir/Sim883.sim as the job names it: absolute, with native separators.
QString firmwareFilePath(const QString& masterDir);

// The firmware file when the request writes the firmware and that file is not a regular file;
// empty otherwise. The updater would otherwise be started on a file that is not there.
QString missingFirmwareFile(const JobRequest& request);

// Builds the job and writes it atomically to jobFilePath(appDir), replacing an older one.
// Throws FileError when it cannot be written; the updater must then not be started.
void writeJobFile(const QString& appDir, const JobRequest& request);

} // namespace zz
