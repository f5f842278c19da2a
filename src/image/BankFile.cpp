#include "image/BankFile.h"

#include "app/UComon.h"
#include "app/Workspace.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "image/ImageComposer.h"
#include "image/ImageLayout.h"

#include <QDir>
#include <QFileInfo>

namespace zz {
namespace image {

QString bankFilePath(const QString& projectDir) {
    return joinPath(joinPath(projectDir, QStringLiteral("bin")), QStringLiteral("bank_k.bin"));
}

void Write_Bank_File(const QString& projectDir, const QByteArray& image) {
    const QString path = bankFilePath(projectDir);
    if (image.size() != kImageSize)
        throw FileError(path, QStringLiteral("not written: the image is %1 bytes long instead of %2")
                                  .arg(image.size())
                                  .arg(kImageSize));
    if (!QFileInfo(projectDir).isDir())
        throw FileError(path, QStringLiteral("cannot be written: the configuration folder does not exist"));
    // A configuration made by hand may lack "bin"; only that one level is created.
    const QString binDir = QFileInfo(path).absolutePath();
    if (!QFileInfo(binDir).isDir() && !QDir(projectDir).mkdir(QStringLiteral("bin")))
        throw FileError(path, QStringLiteral("cannot be written: the folder bin cannot be created"));
    writeFileAtomically(path, image);
}

} // namespace image

void composeAndWriteBankFile(const UComon& state) {
    if (state.ProjectDir.isEmpty())
        throw Error(QStringLiteral("No configuration is open, so there is no image to write."));
    const QByteArray image =
        image::Compose_Image({state.ParGenFile, state.EnableFunctionsFile, state.TranslateTableFile});
    image::Write_Bank_File(state.ProjectDir, image);
}

} // namespace zz
