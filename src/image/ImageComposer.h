#pragma once

#include "image/ImageRecords.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zz::image {

// The three files of a configuration that make up its image; each may be missing.
struct ImageSources {
    QString parGenFile;          // ParGen.xml
    QString enableFunctionsFile; // EnableFunctions.xml
    QString translateTableFile;  // var.xml
};

// Builds the configuration image from a configuration's files. Each instance owns its records
// and rebuilds them completely at every Compose_Image, so nothing of an earlier image survives.
//
// A file that exists but cannot be read or parsed throws FileError / XmlParseError naming it;
// so does an EnableFunctions.xml row without `FunNum` or `Enabled`. A missing file is normal.
class ImageComposer {
public:
    explicit ImageComposer(ImageSources sources);

    // Runs every step in order and returns the 18432 bytes of the image.
    QByteArray Compose_Image();

    // The steps, public so that each can be exercised on its own.
    void Init_Header();
    void Clear_Table();
    void Load_General_Parameter();
    std::uint32_t Load_Disabled_Functions();
    std::uint32_t Load_Translate_Table();
    // Write at `position` (growing `buffer` when it is shorter) and return the position after.
    int Serialise_Header(QByteArray& buffer, int position) const;
    int Serialise_Table(QByteArray& buffer, int position) const;

    const Image_Header& header() const { return m_header; }
    const Image_Table& table() const { return m_table; }

private:
    ImageSources m_sources;
    Image_Header m_header;
    Image_Table m_table;
};

// Composes the image of the configuration whose files are `sources`.
QByteArray Compose_Image(const ImageSources& sources);

} // namespace zz::image
