#include "params/ParameterChecks.h"

#include "common/TextRules.h"

#include <algorithm>

namespace zz {

namespace {

// Text that is not a whole number counts as -1, below every range.
bool inRange(const QString& text, std::int32_t high) {
    const std::int32_t value = wholeNumberOr(text, -1);
    return value >= 0 && value <= high;
}

void checkBytes(const std::array<QString, 4>& bytes, int firstText, QList<int>& failures) {
    for (int i = 0; i < 4; ++i) {
        if (!inRange(bytes[i], 255))
            failures.append(firstText + i);
    }
}

bool fileCannotHold(const QString& text) {
    return firstCharacterXmlCannotCarry(text) >= 0;
}

bool fileCannotHold(const std::array<QString, 4>& bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](const QString& b) { return fileCannotHold(b); });
}

// Only selected positions take part: a list without a selection matches neither rule.
std::optional<int> characterFormatFailure(const GeneralParameters& v) {
    const bool parityChosen = v.parity == kParityOdd || v.parity == kParityEven;
    if (v.dataBits == kEightDataBits && v.stopBits == kTwoStopBits && parityChosen)
        return kEightDataBitsTwoStopBitsText;
    if (v.dataBits == kSevenDataBits && v.stopBits == kOneStopBit && v.parity == kParityNone)
        return kSevenDataBitsOneStopBitText;
    return std::nullopt;
}

} // namespace

QList<int> failingChecks(const GeneralParameters& values) {
    QList<int> failures;
    checkBytes(values.ipAddress, kIpAddressByteText, failures);
    checkBytes(values.subnetMask, kSubnetMaskByteText, failures);
    // An unused gateway may hold anything.
    if (values.gatewayEnabled)
        checkBytes(values.gateway, kGatewayByteText, failures);
    if (!inRange(values.port, 65535))
        failures.append(kPortText);
    if (!inRange(values.timeOut, 100000000))
        failures.append(kTimeOutText);
    if (!inRange(values.idleTime, 60000))
        failures.append(kIdleTimeText);
    if (const std::optional<int> format = characterFormatFailure(values))
        failures.append(*format);
    if (!inRange(values.timeBetweenBytes, 100))
        failures.append(kTimeBetweenBytesText);
    return failures;
}

std::optional<int> Controllo_Dati(const GeneralParameters& values) {
    const QList<int> failures = failingChecks(values);
    if (failures.isEmpty())
        return std::nullopt;
    return failures.front();
}

QString nextByteField(QStringView objectName) {
    for (std::size_t i = 0; i + 1 < kByteFieldChain.size(); ++i) {
        if (objectName == QLatin1String(kByteFieldChain[i]))
            return QString::fromLatin1(kByteFieldChain[i + 1]);
    }
    return {};
}

std::optional<int> fieldTheFileCannotHold(const GeneralParameters& v) {
    const std::pair<bool, int> fields[] = {
        {fileCannotHold(v.ipAddress), kIpAddressCaption},
        {fileCannotHold(v.subnetMask), kSubnetMaskCaption},
        {fileCannotHold(v.gateway), kGatewayCaption},
        {fileCannotHold(v.port), kPortCaption},
        {fileCannotHold(v.ssid), kSsidCaption},
        {fileCannotHold(v.password), kPasswordCaption},
        {fileCannotHold(v.timeOut), kTimeOutCaption},
        {fileCannotHold(v.idleTime), kIdleTimeCaption},
        {fileCannotHold(v.timeBetweenBytes), kTimeBetweenBytesCaption},
    };
    for (const auto& [cannotHold, caption] : fields) {
        if (cannotHold)
            return caption;
    }
    return std::nullopt;
}

} // namespace zz
