#include "image/ImageLayout.h"

namespace zz::image {

namespace {

constexpr HeaderField kHeaderFields[] = {
    {"Fixed_Rate", offset::Fixed_Rate, 4, FieldKind::Number},
    {"Serial_Baud_Rate", offset::Serial_Baud_Rate, 4, FieldKind::Number},
    {"Serial_Data_Bits", offset::Serial_Data_Bits, 2, FieldKind::Number},
    {"Serial_Parity", offset::Serial_Parity, 2, FieldKind::Number},
    {"Serial_Stop_Bits", offset::Serial_Stop_Bits, 4, FieldKind::Number},
    {"Serial_Time_Out", offset::Serial_Time_Out, 4, FieldKind::Number},
    {"Serial_Delay_From_Last_Byte", offset::Serial_Delay_From_Last_Byte, 4, FieldKind::Number},
    {"IP_Address", offset::IP_Address, 4, FieldKind::IPv4},
    {"Subnet_Mask", offset::Subnet_Mask, 4, FieldKind::IPv4},
    {"Gateway", offset::Gateway, 4, FieldKind::IPv4},
    {"Update_Port", offset::Update_Port, 2, FieldKind::Number},
    {"TCP_Port", offset::TCP_Port, 2, FieldKind::Number},
    {"TCP_Port_Copy", offset::TCP_Port_Copy, 2, FieldKind::Number},
    {"Option_Flags", offset::Option_Flags, 2, FieldKind::BitFlags},
    {"Baud_Rate_Copy", offset::Baud_Rate_Copy, 4, FieldKind::Number},
    {"Data_Bits_Copy", offset::Data_Bits_Copy, 2, FieldKind::Number},
    {"Parity_Copy", offset::Parity_Copy, 2, FieldKind::Number},
    {"Stop_Bits_Copy", offset::Stop_Bits_Copy, 4, FieldKind::Number},
    {"Serial_Options", offset::Serial_Options, 1, FieldKind::BitFlags},
    {"Fixed_Port", offset::Fixed_Port, 2, FieldKind::Number},
    {"Table_Row_Count", offset::Table_Row_Count, 4, FieldKind::Number},
    {"Table_Address", offset::Table_Address, 4, FieldKind::DeviceAddress},
    {"Disabled_Functions", offset::Disabled_Functions, 4, FieldKind::BitFlags},
    {"Serial_Time_Between_Byte", offset::Serial_Time_Between_Byte, 4, FieldKind::Number},
    {"Header_Checksum", offset::Header_Checksum, 4, FieldKind::Number},
};

constexpr ByteRange kReservedRanges[] = {
    {offset::Reserved_4, 8},
    {offset::Reserved_24, 8},
    {offset::Reserved_72, 25},
    {offset::Reserved_98, 6},
    {offset::Reserved_106, 458},
    {offset::Reserved_572, 88},
    {offset::HeldFieldsEnd, offset::Reserved_Tail - offset::HeldFieldsEnd},
    {offset::Reserved_Tail, 128},
    {offset::Reserved_2040, 4},
};

} // namespace

std::span<const HeaderField> headerFields() {
    return kHeaderFields;
}

std::span<const ByteRange> reservedRanges() {
    return kReservedRanges;
}

std::uint32_t headerByteSum(const unsigned char* header) {
    std::uint32_t sum = 0;
    for (int i = 0; i < offset::Header_Checksum; ++i)
        sum += header[i];
    return sum;
}

std::uint32_t readLittleEndian(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

void writeLittleEndian(QByteArray& bytes, int offset, int size, std::uint32_t value) {
    for (int i = 0; i < size; ++i) {
        bytes[offset + i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

} // namespace zz::image
