#pragma once

#include <array>
#include <cstdint>

namespace zz::image {

// The general parameters as the device reads them (offsets 0 to 667 of the image), followed by
// the reserved tail and the four reserved bytes before the checksum. The 1244-byte gap at 668
// and the checksum are produced by the serialiser, not held here.
struct Image_Header {
    std::uint32_t Fixed_Rate = 0;
    std::array<std::uint8_t, 8> Reserved_4{};
    std::uint32_t Serial_Baud_Rate = 0;
    std::uint16_t Serial_Data_Bits = 0;
    std::uint16_t Serial_Parity = 0;
    std::uint32_t Serial_Stop_Bits = 0;
    std::uint32_t Reserved_24 = 0;
    std::uint32_t Reserved_28 = 0;
    std::uint32_t Serial_Time_Out = 0;
    std::uint32_t Serial_Delay_From_Last_Byte = 0;
    std::array<std::uint8_t, 4> IP_Address{};
    std::array<std::uint8_t, 4> Subnet_Mask{};
    std::array<std::uint8_t, 4> Gateway{};
    std::uint16_t Update_Port = 0;
    std::uint16_t TCP_Port = 0;
    std::uint16_t TCP_Port_Copy = 0;
    std::uint16_t Option_Flags = 0;
    std::uint32_t Baud_Rate_Copy = 0;
    std::uint16_t Data_Bits_Copy = 0;
    std::uint16_t Parity_Copy = 0;
    std::uint32_t Stop_Bits_Copy = 0;
    std::array<std::uint8_t, 25> Reserved_72{};
    std::uint8_t Serial_Options = 0;
    std::array<std::uint8_t, 6> Reserved_98{};
    std::uint16_t Fixed_Port = 0;
    std::array<std::uint8_t, 458> Reserved_106{};
    std::uint32_t Table_Row_Count = 0;
    std::uint32_t Table_Address = 0;
    std::array<std::uint8_t, 88> Reserved_572{};
    std::uint32_t Disabled_Functions = 0;
    std::uint32_t Serial_Time_Between_Byte = 0;
    std::array<std::uint8_t, 128> Reserved_Tail{};
    std::uint32_t Reserved_2040 = 0;
};

// One row of the Modbus TCP to Modbus RTU translation.
struct Image_Entry {
    std::uint8_t DATA_TYPE = 0;
    std::uint8_t TCP_ADD_DEV = 0;
    std::uint8_t RTU_ADD_DEV = 0;
    std::uint8_t N_POINT = 0;
    std::uint16_t TCP_ADDRESS = 0;
    std::uint16_t RTU_ADDRESS = 0;
};

using Image_Table = std::array<Image_Entry, 2048>;

} // namespace zz::image
