#include "image/ImageComposer.h"

#include "common/Errors.h"
#include "common/FileIo.h"
#include "common/TextRules.h"
#include "common/Xml.h"
#include "image/ImageLayout.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace zz::image {

namespace {

constexpr std::uint32_t kSpeedTable[] = {1200,    2400,    4800,    9600,    19200,  38400,
                                         57600,   115200,  230400,  460800,  921600, 1000000,
                                         1500000, 3000000, 6000000, 12000000};

// The function codes the device can switch off; any other code in the file is ignored.
constexpr int kSwitchableFunctions[] = {1, 2, 3, 4, 5, 6, 7, 15, 16, 17, 23};

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

// Reads one key of General_Parameter as a whole number; a missing element counts as not a number.
std::int32_t keyNumber(pugi::xml_node root, const char* key, std::int32_t fallback) {
    const std::optional<QString> value = xml::childText(root, key);
    return value ? wholeNumberOr(*value, fallback) : fallback;
}

bool keyIsOne(pugi::xml_node root, const char* key) {
    const std::optional<QString> value = xml::childText(root, key);
    return value && *value == QStringLiteral("1");
}

void readAddress(pugi::xml_node root, const char* const (&keys)[4],
                 const std::array<std::uint8_t, 4>& defaults, std::array<std::uint8_t, 4>& target) {
    for (int i = 0; i < 4; ++i)
        target[i] = static_cast<std::uint8_t>(keyNumber(root, keys[i], defaults[i]));
}

// An attribute of a var.xml row: absent leaves 0, present but not a number takes the default.
std::int32_t rowAttribute(pugi::xml_node row, const char* name, std::int32_t fallback) {
    const std::optional<QString> value = xml::attribute(row, name);
    return value ? wholeNumberOr(*value, fallback) : 0;
}

// Blank text between elements is layout, not a node of the table (the parser keeps a lone one).
bool isLayoutText(pugi::xml_node node) {
    if (node.type() != pugi::node_pcdata)
        return false;
    const char* value = node.value();
    return std::all_of(value, value + std::strlen(value),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

int lineOfOffset(const QByteArray& bytes, std::ptrdiff_t offset) {
    const auto end = std::clamp<qsizetype>(offset, 0, bytes.size());
    return static_cast<int>(std::count(bytes.constBegin(), bytes.constBegin() + end, '\n')) + 1;
}

void putBytes(QByteArray& buffer, int position, const std::uint8_t* bytes, std::size_t count) {
    std::copy(bytes, bytes + count, buffer.begin() + position);
}

template <std::size_t N>
void putBytes(QByteArray& buffer, int position, const std::array<std::uint8_t, N>& bytes) {
    putBytes(buffer, position, bytes.data(), N);
}

} // namespace

ImageComposer::ImageComposer(ImageSources sources)
    : m_sources(std::move(sources)) {}

QByteArray ImageComposer::Compose_Image() {
    Init_Header();
    Clear_Table();
    Load_General_Parameter();
    m_header.Disabled_Functions = Load_Disabled_Functions();
    m_header.Table_Address = kTableAddress;
    m_header.Table_Row_Count = Load_Translate_Table();

    QByteArray buffer;
    buffer.reserve(kImageSize);
    int position = 0;
    position = Serialise_Header(buffer, position);
    position = Serialise_Table(buffer, position);
    buffer.truncate(position);
    return buffer;
}

void ImageComposer::Init_Header() {
    m_header = Image_Header{};
    m_header.Fixed_Rate = 250000;
    m_header.Serial_Baud_Rate = 9600;
    m_header.Serial_Data_Bits = 8;
    m_header.IP_Address = {192, 168, 2, 205};
    m_header.Subnet_Mask = {255, 255, 255, 0};
    m_header.Gateway = {255, 255, 255, 255};
    m_header.Update_Port = 10000;
    m_header.TCP_Port = 10001;
    m_header.TCP_Port_Copy = 10001;
    m_header.Baud_Rate_Copy = 9600;
    m_header.Data_Bits_Copy = 8;
}

void ImageComposer::Clear_Table() {
    m_table.fill(Image_Entry{});
}

void ImageComposer::Load_General_Parameter() {
    if (!fileExists(m_sources.parGenFile))
        return;
    pugi::xml_document doc;
    xml::load(doc, m_sources.parGenFile);
    // Found by name: a declaration or comment before it does not hide it. A missing root makes
    // every key missing, so every default applies.
    const pugi::xml_node root = xml::topLevelElement(doc, "General_Parameter");
    Image_Header& h = m_header;

    readAddress(root, {"TCP_IP1", "TCP_IP2", "TCP_IP3", "TCP_IP4"}, {192, 168, 2, 205}, h.IP_Address);
    readAddress(root, {"TCP_SUB1", "TCP_SUB2", "TCP_SUB3", "TCP_SUB4"}, {255, 255, 255, 0}, h.Subnet_Mask);
    readAddress(root, {"TCP_GAT1", "TCP_GAT2", "TCP_GAT3", "TCP_GAT4"}, {192, 168, 2, 1}, h.Gateway);
    // 255.255.255.255 tells the device there is no gateway.
    if (keyNumber(root, "EN_Gateway", -1) != 1)
        h.Gateway = {255, 255, 255, 255};

    h.TCP_Port = static_cast<std::uint16_t>(keyNumber(root, "TCP_PORT", 502));
    h.TCP_Port_Copy = h.TCP_Port;

    h.Update_Port = 2007;
    h.Fixed_Port = 64223;

    const auto baudIndex = static_cast<std::uint8_t>(keyNumber(root, "BAUD", 7));
    h.Serial_Baud_Rate = baudIndex < std::size(kSpeedTable) ? kSpeedTable[baudIndex] : 9600;
    h.Baud_Rate_Copy = h.Serial_Baud_Rate;

    // The file codes odd parity as 3; the device wants 1.
    switch (static_cast<std::uint8_t>(keyNumber(root, "PARITY", 0))) {
    case 2:
        h.Serial_Parity = 2;
        break;
    case 3:
        h.Serial_Parity = 1;
        break;
    default:
        h.Serial_Parity = 0;
        break;
    }
    h.Parity_Copy = h.Serial_Parity;

    h.Serial_Data_Bits = static_cast<std::uint8_t>(keyNumber(root, "DATABITS", 0)) == 1 ? 7 : 8;
    h.Data_Bits_Copy = h.Serial_Data_Bits;

    std::int32_t stopBits = keyNumber(root, "StopBit_RS485", 0);
    if (stopBits == 1)
        stopBits = 2;
    // Eight data bits with parity keep one stop bit.
    if (h.Serial_Parity != 0 && h.Serial_Data_Bits == 8 && stopBits != 0)
        stopBits = 0;
    h.Serial_Stop_Bits = static_cast<std::uint32_t>(stopBits);
    h.Stop_Bits_Copy = h.Serial_Stop_Bits;

    h.Reserved_24 = 0;
    h.Reserved_28 = 0;

    h.Serial_Time_Out = static_cast<std::uint32_t>(keyNumber(root, "TIME_OUT", 1000));
    h.Serial_Time_Between_Byte = static_cast<std::uint32_t>(keyNumber(root, "Time_Between_Byte", 0));

    // Files written before the enable flag existed carry only the delay itself.
    const std::optional<QString> delayEnabled = xml::childText(root, "Enable_Delay_From_Last_Byte");
    h.Serial_Delay_From_Last_Byte =
        !delayEnabled || *delayEnabled == QStringLiteral("1")
            ? static_cast<std::uint32_t>(keyNumber(root, "Delay_From_Last_Byte", 0))
            : 0;

    h.Option_Flags = 0;
    h.Serial_Options = 0;
    if (keyIsOne(root, "Modbus_Filter"))
        h.Serial_Options |= 0x10;
    if (keyIsOne(root, "SEL_SER"))
        h.Serial_Options |= 0x01;
    if (keyIsOne(root, "MODE"))
        h.Option_Flags |= 0x0002;
    if (keyIsOne(root, "UDP_Port"))
        h.Option_Flags |= 0x0008;
    if (keyIsOne(root, "Enable_AA55"))
        h.Option_Flags |= 0x0010;
    if (keyIsOne(root, "Cancel_AA55"))
        h.Option_Flags |= 0x0020;
    h.Option_Flags |= 0x0004;
    if (keyIsOne(root, "NoFrame_RTU_Timeout"))
        h.Option_Flags &= static_cast<std::uint16_t>(~0x0004u);
}

std::uint32_t ImageComposer::Load_Disabled_Functions() {
    const QString& path = m_sources.enableFunctionsFile;
    if (!fileExists(path))
        return 0;
    const QByteArray bytes = readWholeFile(path);
    pugi::xml_document doc;
    xml::parse(doc, bytes, path);

    std::uint32_t mask = 0;
    for (const pugi::xml_node row : xml::firstTopLevelNode(doc).children()) {
        // Comments and layout between the rows carry no setting.
        if (row.type() != pugi::node_element)
            continue;
        const std::optional<QString> funNum = xml::attribute(row, "FunNum");
        const std::optional<QString> enabled = xml::attribute(row, "Enabled");
        if (!funNum || !enabled) {
            const QString problem = QStringLiteral("the row at line %1 has no attribute %2")
                                        .arg(lineOfOffset(bytes, row.offset_debug()))
                                        .arg(funNum ? QStringLiteral("Enabled") : QStringLiteral("FunNum"));
            throw FileError(path, problem);
        }
        const std::int32_t code = wholeNumberOr(*funNum, 0);
        if (*enabled == QStringLiteral("N") &&
            std::find(std::begin(kSwitchableFunctions), std::end(kSwitchableFunctions), code) !=
                std::end(kSwitchableFunctions))
            mask |= std::uint32_t{1} << code;
    }
    return mask;
}

std::uint32_t ImageComposer::Load_Translate_Table() {
    if (!fileExists(m_sources.translateTableFile))
        return 0;
    pugi::xml_document doc;
    xml::load(doc, m_sources.translateTableFile);

    int count = 0;
    for (const pugi::xml_node row : xml::firstTopLevelNode(doc).children()) {
        if (isLayoutText(row))
            continue;
        if (count == kMaxTableRows)
            break;
        // A node that is not an element has no attributes and leaves its entry zero.
        Image_Entry& entry = m_table[static_cast<std::size_t>(count++)];
        entry.DATA_TYPE = static_cast<std::uint8_t>(rowAttribute(row, "DATA_TYPE", 3));
        entry.TCP_ADD_DEV = static_cast<std::uint8_t>(rowAttribute(row, "TCP_ADD_DEV", 0));
        entry.RTU_ADD_DEV = static_cast<std::uint8_t>(rowAttribute(row, "RTU_ADD_DEV", 1));
        entry.N_POINT = static_cast<std::uint8_t>(rowAttribute(row, "N_POINT", 1));
        entry.TCP_ADDRESS = static_cast<std::uint16_t>(rowAttribute(row, "TCP_ADDRESS", 0));
        entry.RTU_ADDRESS = static_cast<std::uint16_t>(rowAttribute(row, "RTU_ADDRESS", 0));
    }
    return static_cast<std::uint32_t>(count);
}

int ImageComposer::Serialise_Header(QByteArray& buffer, int position) const {
    if (buffer.size() < position + kHeaderSize)
        buffer.resize(position + kHeaderSize);
    const Image_Header& h = m_header;
    const auto put = [&](int offset, int size, std::uint32_t value) {
        writeLittleEndian(buffer, position + offset, size, value);
    };
    std::fill(buffer.begin() + position, buffer.begin() + position + kHeaderSize, '\0');

    put(offset::Fixed_Rate, 4, h.Fixed_Rate);
    putBytes(buffer, position + offset::Reserved_4, h.Reserved_4);
    put(offset::Serial_Baud_Rate, 4, h.Serial_Baud_Rate);
    put(offset::Serial_Data_Bits, 2, h.Serial_Data_Bits);
    put(offset::Serial_Parity, 2, h.Serial_Parity);
    put(offset::Serial_Stop_Bits, 4, h.Serial_Stop_Bits);
    put(offset::Reserved_24, 4, h.Reserved_24);
    put(offset::Reserved_28, 4, h.Reserved_28);
    put(offset::Serial_Time_Out, 4, h.Serial_Time_Out);
    put(offset::Serial_Delay_From_Last_Byte, 4, h.Serial_Delay_From_Last_Byte);
    putBytes(buffer, position + offset::IP_Address, h.IP_Address);
    putBytes(buffer, position + offset::Subnet_Mask, h.Subnet_Mask);
    putBytes(buffer, position + offset::Gateway, h.Gateway);
    put(offset::Update_Port, 2, h.Update_Port);
    put(offset::TCP_Port, 2, h.TCP_Port);
    put(offset::TCP_Port_Copy, 2, h.TCP_Port_Copy);
    put(offset::Option_Flags, 2, h.Option_Flags);
    put(offset::Baud_Rate_Copy, 4, h.Baud_Rate_Copy);
    put(offset::Data_Bits_Copy, 2, h.Data_Bits_Copy);
    put(offset::Parity_Copy, 2, h.Parity_Copy);
    put(offset::Stop_Bits_Copy, 4, h.Stop_Bits_Copy);
    putBytes(buffer, position + offset::Reserved_72, h.Reserved_72);
    put(offset::Serial_Options, 1, h.Serial_Options);
    putBytes(buffer, position + offset::Reserved_98, h.Reserved_98);
    put(offset::Fixed_Port, 2, h.Fixed_Port);
    putBytes(buffer, position + offset::Reserved_106, h.Reserved_106);
    put(offset::Table_Row_Count, 4, h.Table_Row_Count);
    put(offset::Table_Address, 4, h.Table_Address);
    putBytes(buffer, position + offset::Reserved_572, h.Reserved_572);
    put(offset::Disabled_Functions, 4, h.Disabled_Functions);
    put(offset::Serial_Time_Between_Byte, 4, h.Serial_Time_Between_Byte);
    // offset::HeldFieldsEnd up to Reserved_Tail is the gap, left zero above.
    putBytes(buffer, position + offset::Reserved_Tail, h.Reserved_Tail);
    put(offset::Reserved_2040, 4, h.Reserved_2040);

    const auto* header = reinterpret_cast<const unsigned char*>(buffer.constData()) + position;
    put(offset::Header_Checksum, 4, headerByteSum(header));
    return position + kHeaderSize;
}

int ImageComposer::Serialise_Table(QByteArray& buffer, int position) const {
    if (buffer.size() < position + kTableSize)
        buffer.resize(position + kTableSize);
    for (std::size_t i = 0; i < m_table.size(); ++i) {
        const Image_Entry& e = m_table[i];
        const int at = position + static_cast<int>(i) * kTableEntrySize;
        writeLittleEndian(buffer, at + entry_offset::DATA_TYPE, 1, e.DATA_TYPE);
        writeLittleEndian(buffer, at + entry_offset::TCP_ADD_DEV, 1, e.TCP_ADD_DEV);
        writeLittleEndian(buffer, at + entry_offset::RTU_ADD_DEV, 1, e.RTU_ADD_DEV);
        writeLittleEndian(buffer, at + entry_offset::N_POINT, 1, e.N_POINT);
        writeLittleEndian(buffer, at + entry_offset::TCP_ADDRESS, 2, e.TCP_ADDRESS);
        writeLittleEndian(buffer, at + entry_offset::RTU_ADDRESS, 2, e.RTU_ADDRESS);
    }
    return position + kTableSize;
}

QByteArray Compose_Image(const ImageSources& sources) {
    return ImageComposer(sources).Compose_Image();
}

} // namespace zz::image
