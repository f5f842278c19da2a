// The version check's answer: any bytes give a number of four characters (a sign or a "$"
// hexadecimal prefix included, as the rule reads them) or -1, and never a crash; only an
// answer naming a higher number counts as newer.
#include "FuzzSupport.h"
#include "app/UComon.h"
#include "common/TextRules.h"
#include "options/VersionRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zz;
    // The checker reads the body as Latin-1, one character a byte.
    const QString answer = QString::fromLatin1(fuzz::asBytes(data, size));
    const int number = Conv_Version(answer);
    fuzz::require(number >= -999 && number <= 9999, "a version number of more than four characters");
    if (isNewerVersionAnswer(answer))
        fuzz::require(Conv_Version(trimBlanks(answer)) > Conv_Version(ProgramVersion),
                      "an answer naming no higher number counted as newer");
    return 0;
}
