#pragma once

#include <QByteArray>
#include <cstdint>
#include <span>

// Byte layout of the configuration image the device stores at 0x68000: a 2048-byte header of
// general parameters ending with a byte-sum checksum, then 2048 eight-byte translation entries.
// Every multi-byte integer is little-endian.
namespace zz::image {

inline constexpr int kHeaderSize = 2048;
inline constexpr int kTableEntryCount = 2048;
inline constexpr int kTableEntrySize = 8;
inline constexpr int kTableSize = kTableEntryCount * kTableEntrySize; // 16384
inline constexpr int kImageSize = kHeaderSize + kTableSize;           // 18432

// At most this many rows of var.xml reach the table; entries 2000 to 2047 stay zero.
inline constexpr int kMaxTableRows = 2000;

// Where the device finds the table when the image is stored at 0x68000.
inline constexpr std::uint32_t kTableAddress = 0x68800;

// Header offsets, counted from the first byte of the image.
namespace offset {
inline constexpr int Fixed_Rate = 0;
inline constexpr int Reserved_4 = 4;
inline constexpr int Serial_Baud_Rate = 12;
inline constexpr int Serial_Data_Bits = 16;
inline constexpr int Serial_Parity = 18;
inline constexpr int Serial_Stop_Bits = 20;
inline constexpr int Reserved_24 = 24;
inline constexpr int Reserved_28 = 28;
inline constexpr int Serial_Time_Out = 32;
inline constexpr int Serial_Delay_From_Last_Byte = 36;
inline constexpr int IP_Address = 40;
inline constexpr int Subnet_Mask = 44;
inline constexpr int Gateway = 48;
inline constexpr int Update_Port = 52;
inline constexpr int TCP_Port = 54;
inline constexpr int TCP_Port_Copy = 56;
inline constexpr int Option_Flags = 58;
inline constexpr int Baud_Rate_Copy = 60;
inline constexpr int Data_Bits_Copy = 64;
inline constexpr int Parity_Copy = 66;
inline constexpr int Stop_Bits_Copy = 68;
inline constexpr int Reserved_72 = 72;
inline constexpr int Serial_Options = 97;
inline constexpr int Reserved_98 = 98;
inline constexpr int Fixed_Port = 104;
inline constexpr int Reserved_106 = 106;
inline constexpr int Table_Row_Count = 564;
inline constexpr int Table_Address = 568;
inline constexpr int Reserved_572 = 572;
inline constexpr int Disabled_Functions = 660;
inline constexpr int Serial_Time_Between_Byte = 664;
inline constexpr int HeldFieldsEnd = 668; // the in-memory record stops here, before the gap
inline constexpr int Reserved_Tail = 1912;
inline constexpr int Reserved_2040 = 2040;
inline constexpr int Header_Checksum = 2044;
} // namespace offset

// Offsets within one table entry.
namespace entry_offset {
inline constexpr int DATA_TYPE = 0;
inline constexpr int TCP_ADD_DEV = 1;
inline constexpr int RTU_ADD_DEV = 2;
inline constexpr int N_POINT = 3;
inline constexpr int TCP_ADDRESS = 4;
inline constexpr int RTU_ADDRESS = 6;
} // namespace entry_offset

enum class FieldKind {
    Number,        // unsigned little-endian integer of `size` bytes
    IPv4,          // four bytes in reading order
    BitFlags,      // unsigned integer whose bits each mean something
    DeviceAddress, // unsigned integer naming a place in the device's memory, shown in hexadecimal
};

struct HeaderField {
    const char* name;
    int offset;
    int size;
    FieldKind kind;
};

struct ByteRange {
    int offset;
    int size;
};

// Every named header field in offset order, `Header_Checksum` last.
std::span<const HeaderField> headerFields();

// Every header range that is zero in each image this system writes, in offset order.
std::span<const ByteRange> reservedRanges();

// The plain byte sum of the first 2044 bytes of a header: the value of `Header_Checksum`.
std::uint32_t headerByteSum(const unsigned char* header);

// Little-endian access to a byte buffer; the caller keeps the offsets inside it.
std::uint32_t readLittleEndian(const QByteArray& bytes, int offset, int size);
void writeLittleEndian(QByteArray& bytes, int offset, int size, std::uint32_t value);

} // namespace zz::image
