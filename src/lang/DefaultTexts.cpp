// The built-in English texts, in index order. Blanks at either end belong to the text;
// entries of one blank are reserved. Indices from 612 upward that the program uses for its
// own messages are set in AddedTexts.cpp.
#include "lang/DefaultTexts.h"

namespace zz {

// clang-format off
const std::array<std::u16string_view, kTextCount> kDefaultTexts = {
    u"Begin", // 0
    u"Step 1", // 1
    u"Step 2", // 2
    u"Step 3", // 3
    u"Step 4", // 4
    u"Step 5", // 5
    u"Step 6", // 6
    u"Step 7", // 7
    u"Step 8", // 8
    u"None Configuration Opened ", // 9
    u"Use Step1 to open or create new configuration", // 10
    u"Opened Configuration of the Converter : ", // 11
    u"Information", // 12
    u"Options", // 13
    u"Close Configurator", // 14
    u"New Configuration", // 15
    u"Open Configuration", // 16
    u"Update via UDP", // 17
    u"Error! Project not Valid", // 18
    u"New Version Available. Click Here for more Details", // 19
    u"Set Communication", // 20
    u"Update via Serial", // 21
    u"Translate Table", // 22
    u"Update via USB", // 23
    u"Enabled Functions", // 24
    u"Create New Configuration", // 25
    u"Create New Configuration", // 26
    u"Name of the new Configuration", // 27
    u"OK", // 28
    u"Cancel", // 29
    u"Error! Name project is not valid", // 30
    u"Error! Name project is not valid because directory already exists", // 31
    u"Error! Name Project is not valid", // 32
    u"Open Configuration", // 33
    u"Open an Existing Configuration", // 34
    u"List of Avaliable Configurations", // 35
    u"OK", // 36
    u"Cancel", // 37
    u"Software Options", // 38
    u"Software Options", // 39
    u"Language", // 40
    u"Connection Options", // 41
    u"Selected Language : ", // 42
    u"Page ", // 43
    u" / ", // 44
    u"Previous", // 45
    u"Next", // 46
    u"Enable Internet Connection", // 47
    u"Check Software Update at Start of Program", // 48
    u"Check Available Update", // 49
    u"OK", // 50
    u"Cancel", // 51
    u"New Version Available. Click Here for more Details", // 52
    u"No Update Available", // 53
    u"Do you want to change the Language from ", // 54
    u" to ", // 55
    u"?", // 56
    u"Update Firmware from Etherner (UDP)", // 57
    u"Insert the IP Address of ", // 58
    u"Check the Connection the device", // 59
    u"Ping", // 60
    u"Cancel", // 61
    u"Next", // 62
    u"Update Device Options", // 63
    u"Firmware", // 64
    u"Read Firmware when finish", // 65
    u"Configuration", // 66
    u"Read Configuration when finish", // 67
    u"Execute update firmware", // 68
    u"Device Found!", // 69
    u"Device Not Found!", // 70
    u"Error!!! Check the Ip Address", // 71
    u"Device not found in network", // 72
    u"Update Device by Serial", // 73
    u"Update Device Using the Serial Port", // 74
    u"Follow these steps to update from RS232:", // 75
    u"1 - Turn OFF the Device", // 76
    u"2 - Use the Dip-Switch to set the Boot Mode", // 77
    u"3 - Select the COM Port for the Update", // 78
    u"4 - Turn ON the Device", // 79
    u"Update COM Ports List", // 80
    u"Update Device Options", // 81
    u"Firmware", // 82
    u"Read Firmware After Write", // 83
    u"Configuration", // 84
    u"Read Configuration After Write", // 85
    u"Cancel", // 86
    u"Next", // 87
    u"Execute Update Firmware", // 88
    u"Set Communication", // 89
    u"Set Communication Setting", // 90
    u"Operation Mode", // 91
    u"Routing Mode", // 92
    u"NAT Mode", // 93
    u"Operation Mode", // 94
    u"Normal Mode (with Translate Table)", // 95
    u"Work with Fix IP Address", // 96
    u"Routing Slave Address", // 97
    u"Modbus TCP Slave", // 98
    u"IP ADDRESS", // 99
    u"SUBNET Mask", // 100
    u"GATEWAY", // 101
    u"Port", // 102
    u"Enable UDP Port", // 103
    u"Enable Special Command", // 104
    u"Cancel the First Two Bytes", // 105
    u"No TCP Frame on RTU TimeOut", // 106
    u"Fast StartUp (only 100Mbps)", // 107
    u"Modbus Master", // 108
    u"Serial", // 109
    u"Baudrate", // 110
    u"Parity", // 111
    u"TimeOut (ms)", // 112
    u"Stop Bits", // 113
    u"Communication Idle Time (ms)", // 114
    u"Modbus TCP Master", // 115
    u"IP ADDRESS", // 116
    u"SUBNET Mask", // 117
    u"GATEWAY", // 118
    u"Port", // 119
    u"TimeOut (ms)", // 120
    u"Don't disconnect the socket", // 121
    u"Fix IP Address", // 122
    u"Modbus Slave", // 123
    u"Serial", // 124
    u"Baudrate", // 125
    u"Parity", // 126
    u"ID Device", // 127
    u"Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255", // 128
    u"Error Modbus TCP Slave!! IP Address 2 must be between 0 and 255", // 129
    u"Error Modbus TCP Slave!! IP Address 3 must be between 0 and 255", // 130
    u"Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255", // 131
    u"Error Modbus TCP Slave!! SUBNET Mask 1 must be between 0 and 255", // 132
    u"Error Modbus TCP Slave!! SUBNET Mask 2 must be between 0 and 255", // 133
    u"Error Modbus TCP Slave!! SUBNET Mask 3 must be between 0 and 255", // 134
    u"Error Modbus TCP Slave!! SUBNET Mask 4 must be between 0 and 255", // 135
    u"Error Modbus TCP Slave!! GATEWAY IP 1 must be between 0 and 255", // 136
    u"Error Modbus TCP Slave!! GATEWAY IP 2 must be between 0 and 255", // 137
    u"Error Modbus TCP Slave!! GATEWAY IP 3 must be between 0 and 255", // 138
    u"Error Modbus TCP Slave!! GATEWAY IP 4 must be between 0 and 255", // 139
    u"Error  Modbus TCP Slave!! PORT must be between 0 and 65535", // 140
    u"Error  Modbus Master!! TimeOut must be between 0 and 100000000 ms", // 141
    u"Error  Modbus Master!! TimeOut must be between 0 and 60000 ms", // 142
    u"Error Modbus TCP Master!! IP Address 1 must be between 0 and 255", // 143
    u"Error Modbus TCP Master!! IP Address 2 must be between 0 and 255", // 144
    u"Error Modbus TCP Master!! IP Address 3 must be between 0 and 255", // 145
    u"Error Modbus TCP Master!! IP Address 4 must be between 0 and 255", // 146
    u"Error Modbus TCP Master!! SUBNET Mask 1 must be between 0 and 255", // 147
    u"Error Modbus TCP Master!! SUBNET Mask 2 must be between 0 and 255", // 148
    u"Error Modbus TCP Master!! SUBNET Mask 3 must be between 0 and 255", // 149
    u"Error Modbus TCP Master!! SUBNET Mask 4 must be between 0 and 255", // 150
    u"Error Modbus TCP Master!! GATEWAY IP 1 must be between 0 and 255", // 151
    u"Error Modbus TCP Master!! GATEWAY IP 2 must be between 0 and 255", // 152
    u"Error Modbus TCP Master!! GATEWAY IP 3 must be between 0 and 255", // 153
    u"Error Modbus TCP Master!! GATEWAY IP 4 must be between 0 and 255", // 154
    u"Error Modbus TCP Master!! PORT must be between 0 and 65535", // 155
    u"Error Modbus TCP Master!! TimeOut must be between 0 and 100000000 ms", // 156
    u"Error Modbus TCP Master!! FIX IP Address 1 must be between 0 and 255", // 157
    u"Error Modbus TCP Master!! FIX IP Address 2 must be between 0 and 255", // 158
    u"Error Modbus TCP Master!! FIX IP Address 3 must be between 0 and 255", // 159
    u"Error Modbus TCP Master!! FIX IP Address 4 must be between 0 and 255", // 160
    u"Error Modbus Slave!! ID Device must be between 1 and 247 ms", // 161
    u"Translate Table", // 162
    u"Set Translate Table", // 163
    u"OK", // 164
    u"Cancel", // 165
    u"Delete Row", // 166
    u"Insert Row", // 167
    u"N°", // 168
    u"Data Type", // 169
    u"Slave ID TCP", // 170
    u"Address TCP", // 171
    u"Slave ID", // 172
    u"Address", // 173
    u"NPoint", // 174
    u"Mnemonic", // 175
    u"Error in Row ", // 176
    u"!! Data Type must be Coil Status or Input Status or Holding Register or Input Register", // 177
    u"!! Slave ID TCP must be between 1 and 247", // 178
    u"!! Address TCP must be between 0 and 65535", // 179
    u"!! Slave ID must be between 1 and 247", // 180
    u"!! Address must be between 0 and 65535", // 181
    u"!! NPoint must be between 1 and 127", // 182
    u"!! NPoint must be between 1 and 255", // 183
    u"Are you sure to delete the Row number ", // 184
    u"Translate Table", // 185
    u"Set Translate Table", // 186
    u"OK", // 187
    u"Cancel", // 188
    u"Delete Row", // 189
    u"Insert Row", // 190
    u"N°", // 191
    u"Data Type", // 192
    u"Address", // 193
    u"IP Address TCP", // 194
    u"Address TCP", // 195
    u"NPoint", // 196
    u"Mnemonic", // 197
    u"Error in Row ", // 198
    u"!! Data Type must be Coil Status or Input Status or Holding Register or Input Register", // 199
    u"!! Address must be between 0 and 65535", // 200
    u"!! IP Address TCP must be a valid TCP IP Address (Ex. 192.168.1.125)", // 201
    u"!! Address TCP must be between 0 and 65535", // 202
    u"!! NPoint must be between 1 and 127", // 203
    u"!! NPoint must be between 1 and 255", // 204
    u"Are you sure to delete the Row number ", // 205
    u"Translate Table", // 206
    u"Set Translate Table", // 207
    u"OK", // 208
    u"Cancel", // 209
    u"Delete Row", // 210
    u"Insert Row", // 211
    u"N°", // 212
    u"Slave ID", // 213
    u"IP Address TCP", // 214
    u"Slave ID TCP", // 215
    u"Mnemonic", // 216
    u"Error in Row ", // 217
    u"!! Slave ID must be between 1 and 247", // 218
    u"!! Slave ID ", // 219
    u" already used in row ", // 220
    u"!! IP Address TCP must be a valid TCP IP Address (Ex. 192.168.1.125)", // 221
    u"!! Slave ID TCP must be between 0 and 255", // 222
    u"Are you sure to delete the Row number ", // 223
    u"Error! Select the COM port to use for the Update", // 224
    u"OK", // 225
    u"Cancel", // 226
    u"Update Device by USB", // 227
    u"Update Device Using the USB Port", // 228
    u"Follow these steps to update from USB:", // 229
    u"1 - Turn OFF the Device", // 230
    u"2 - Use the Dip-Switch to set the Boot Mode", // 231
    u"3 - Select the COM Port for the Update", // 232
    u"4 - Turn ON the Device", // 233
    u"Update COM Ports List", // 234
    u"Update Device Options", // 235
    u"Firmware", // 236
    u"Read Firmware After Write", // 237
    u"Configuration", // 238
    u"Read Configuration After Write", // 239
    u"Cancel", // 240
    u"Next", // 241
    u"Execute Update Firmware", // 242
    u"Error! Select the COM port to use for the Update", // 243
    u" Modbus TCP Slave (Wi-Fi) ", // 244
    u"SSID", // 245
    u"Password", // 246
    u"Type", // 247
    u"Unsecured", // 248
    u"WEP", // 249
    u"WPA", // 250
    u"WPA2", // 251
    u"Select Device", // 252
    u"Reserved Sock", // 253
    u"Errors Sock", // 254
    u"!! Errors Sock must be between 0 and 10000", // 255
    u"Error!! Too many Reserved Socket selected (Max ", // 256
    u" sockets)", // 257
    u"!! Cannot use Slave ID 0 with a Reserved Socket", // 258
    u"!! Slave ID must be between 0 and 247", // 259
    u"Enable Broadcast message with ID zero", // 260
    u"Error Modbus Master!! Two Stop Bits can be used only with None Parity", // 261
    u"UDP", // 262
    u"Broadcast", // 263
    u"Stop Bits", // 264
    u"Error Modbus Slave!! Two Stop Bits can be used only with None Parity", // 265
    u"No Modbus Exception on TCP TimeOut", // 266
    u"Collapse", // 267
    u"Expand", // 268
    u"WiFi", // 269
    u"Type", // 270
    u"Access Point", // 271
    u"Client Mode", // 272
    u"WiFi Direct", // 273
    u"Obtain an IP Address automatically", // 274
    u"IP ADDRESS", // 275
    u"SUBNET Mask", // 276
    u"GATEWAY", // 277
    u"Port", // 278
    u"Enable WPS", // 279
    u"SSID", // 280
    u"Password", // 281
    u"Type", // 282
    u"Unsecured", // 283
    u"WEP", // 284
    u"WPA", // 285
    u"WPA2", // 286
    u"Enable DHCP", // 287
    u"DHCP First IP Address", // 288
    u"DHCP SUBNET Mask", // 289
    u"Lease Time (seconds)", // 290
    u"Name", // 291
    u"Max Client", // 292
    u"Channel", // 293
    u"Error WiFi!! IP Address 1 must be between 0 and 255", // 294
    u"Error WiFi!! IP Address 2 must be between 0 and 255", // 295
    u"Error WiFi!! IP Address 3 must be between 0 and 255", // 296
    u"Error WiFi!! IP Address 4 must be between 0 and 255", // 297
    u"Error WiFi!! SUBNET Mask 1 must be between 0 and 255", // 298
    u"Error WiFi!! SUBNET Mask 2 must be between 0 and 255", // 299
    u"Error WiFi!! SUBNET Mask 3 must be between 0 and 255", // 300
    u"Error WiFi!! SUBNET Mask 4 must be between 0 and 255", // 301
    u"Error WiFi!! GATEWAY IP 1 must be between 0 and 255", // 302
    u"Error WiFi!! GATEWAY IP 2 must be between 0 and 255", // 303
    u"Error WiFi!! GATEWAY IP 3 must be between 0 and 255", // 304
    u"Error WiFi!! GATEWAY IP 4 must be between 0 and 255", // 305
    u"Error WiFi!! PORT must be between 0 and 65535 or equal to 10000", // 306
    u"Error WiFi!! DHCP First IP Address 1 must be between 0 and 255", // 307
    u"Error WiFi!! DHCP First IP Address 2 must be between 0 and 255", // 308
    u"Error WiFi!! DHCP First IP Address 3 must be between 0 and 255", // 309
    u"Error WiFi!! DHCP First IP Address 4 must be between 0 and 255", // 310
    u"Error WiFi!! DHCP SUBNET Mask 1 must be between 0 and 255", // 311
    u"Error WiFi!! DHCP SUBNET Mask 2 must be between 0 and 255", // 312
    u"Error WiFi!! DHCP SUBNET Mask 3 must be between 0 and 255", // 313
    u"Error WiFi!! DHCP SUBNET Mask 4 must be between 0 and 255", // 314
    u"Error WiFi!! Lease Time must be between 1 and 99999999 seconds", // 315
    u"Do you want to exit without saving changes?", // 316
    u"Select Device", // 317
    u"Working Mode", // 318
    u"Modbus TCP Slave <--> Modbus ASCII Master", // 319
    u"Modbus ASCII Slave <--> Modbus TCP Master", // 320
    u"Data Bits", // 321
    u"Error Modbus Master!! 2 Stop Bits with 8 Data Bits is valid only with None Parity", // 322
    u"Error Modbus Master!! 1 Stop Bits with 7 Data Bits is valid only with Parity different from None", // 323
    u"Time Between Bytes (ms)", // 324
    u"Modbus Filter", // 325
    u"Error  Modbus Master!! Time Between Byte must be between 0 and 100 ms", // 326
    u"Error Modbus TCP Slave - IP Address 1!! IP Address 1 must be between 0 and 255", // 327
    u"Error Modbus TCP Slave - IP Address 1!! IP Address 2 must be between 0 and 255", // 328
    u"Error Modbus TCP Slave - IP Address 1!! IP Address 3 must be between 0 and 255", // 329
    u"Error Modbus TCP Slave - IP Address 1!! IP Address 4 must be between 0 and 255", // 330
    u"Error Modbus TCP Slave - IP Address 1!! SUBNET Mask 1 must be between 0 and 255", // 331
    u"Error Modbus TCP Slave - IP Address 1!! SUBNET Mask 2 must be between 0 and 255", // 332
    u"Error Modbus TCP Slave - IP Address 1!! SUBNET Mask 3 must be between 0 and 255", // 333
    u"Error Modbus TCP Slave - IP Address 1!! SUBNET Mask 4 must be between 0 and 255", // 334
    u"Error Modbus TCP Slave - IP Address 1!! GATEWAY IP 1 must be between 0 and 255", // 335
    u"Error Modbus TCP Slave - IP Address 1!! GATEWAY IP 2 must be between 0 and 255", // 336
    u"Error Modbus TCP Slave - IP Address 1!! GATEWAY IP 3 must be between 0 and 255", // 337
    u"Error Modbus TCP Slave - IP Address 1!! GATEWAY IP 4 must be between 0 and 255", // 338
    u"Error Modbus TCP Slave - IP Address 2!! IP Address 1 must be between 0 and 255", // 339
    u"Error Modbus TCP Slave - IP Address 2!! IP Address 2 must be between 0 and 255", // 340
    u"Error Modbus TCP Slave - IP Address 2!! IP Address 3 must be between 0 and 255", // 341
    u"Error Modbus TCP Slave - IP Address 2!! IP Address 4 must be between 0 and 255", // 342
    u"Error Modbus TCP Slave - IP Address 2!! SUBNET Mask 1 must be between 0 and 255", // 343
    u"Error Modbus TCP Slave - IP Address 2!! SUBNET Mask 2 must be between 0 and 255", // 344
    u"Error Modbus TCP Slave - IP Address 2!! SUBNET Mask 3 must be between 0 and 255", // 345
    u"Error Modbus TCP Slave - IP Address 2!! SUBNET Mask 4 must be between 0 and 255", // 346
    u"Error Modbus TCP Slave - IP Address 2!! GATEWAY IP 1 must be between 0 and 255", // 347
    u"Error Modbus TCP Slave - IP Address 2!! GATEWAY IP 2 must be between 0 and 255", // 348
    u"Error Modbus TCP Slave - IP Address 2!! GATEWAY IP 3 must be between 0 and 255", // 349
    u"Error Modbus TCP Slave - IP Address 2!! GATEWAY IP 4 must be between 0 and 255", // 350
    u"Error WiFi!! DNS IP 1 must be between 0 and 255", // 351
    u"Error WiFi!! DNS IP 2 must be between 0 and 255", // 352
    u"Error WiFi!! DNS IP 3 must be between 0 and 255", // 353
    u"Error WiFi!! DNS IP 4 must be between 0 and 255", // 354
    u"Wi-Fi", // 355
    u"Error Modbus TCP Slave!! DNS IP 1 must be between 0 and 255", // 356
    u"Error Modbus TCP Slave!! DNS IP 2 must be between 0 and 255", // 357
    u"Error Modbus TCP Slave!! DNS IP 3 must be between 0 and 255", // 358
    u"Error Modbus TCP Slave!! DNS IP 4 must be between 0 and 255", // 359
    u"Ethernet Connection", // 360
    u"Device Name (Hostname)", // 361
    u"Insert the Device Name (hostname)", // 362
    u"Obtain an IP Address Automatically (DHCP for Cable Connection)", // 363
    u"Obtain an IP Address Automatically from server DHCP for the connection via Cable", // 364
    u"Obtain an IP Address Automatically (DHCP for Wi-Fi Connection)", // 365
    u"Obtain an IP Address Automatically from server DHCP for the connection via Wi-Fi", // 366
    u"Enable DNS", // 367
    u"Enable/Disable the DNS", // 368
    u"Primary DNS", // 369
    u"Insert First byte of Primary DNS", // 370
    u"Insert Second byte of Primary DNS", // 371
    u"Insert Third byte of Primary DNS", // 372
    u"Insert Fourth byte of Primary DNS", // 373
    u"Secondary DNS", // 374
    u"Insert First byte of Secondary DNS", // 375
    u"Insert Second byte of Secondary DNS", // 376
    u"Insert Third byte of Secondary DNS", // 377
    u"Insert Fourth byte of Secondary DNS", // 378
    u"Wi-Fi", // 379
    u"Type", // 380
    u"Type", // 381
    u"Access Point", // 382
    u"Station", // 383
    u"IP Address 1", // 384
    u"IP Address", // 385
    u"Insert First byte of IP Address (IP1)", // 386
    u"Insert Second byte of IP Address (IP1)", // 387
    u"Insert Third byte of IP Address (IP1)", // 388
    u"Insert Fourth byte of IP Address (IP1)", // 389
    u"SubNet Mask", // 390
    u"Insert First byte of SubNet Mask (IP1)", // 391
    u"Insert Second byte of SubNet Mask (IP1)", // 392
    u"Insert Third byte of SubNet Mask (IP1)", // 393
    u"Insert Fourth byte of SubNet Mask (IP1)", // 394
    u"Gateway", // 395
    u"Enable/disable the Default Gateway (IP1)", // 396
    u"Insert First byte of Default Gateway (IP1)", // 397
    u"Insert Second byte of Default Gateway (IP1)", // 398
    u"Insert Third byte of Default Gateway (IP1)", // 399
    u"Insert Fourth byte of Default Gateway (IP1)", // 400
    u"IP Address 2", // 401
    u"IP Address", // 402
    u"Insert First byte of IP Address (IP2)", // 403
    u"Insert Second byte of IP Address (IP2)", // 404
    u"Insert Third byte of IP Address (IP2)", // 405
    u"Insert Fourth byte of IP Address (IP2)", // 406
    u"SubNet Mask", // 407
    u"Insert First byte of SubNet Mask (IP2)", // 408
    u"Insert Second byte of SubNet Mask (IP2)", // 409
    u"Insert Third byte of SubNet Mask (IP2)", // 410
    u"Insert Fourth byte of SubNet Mask (IP2)", // 411
    u"Gateway", // 412
    u"Enable/disable the Default Gateway (IP2)", // 413
    u"Insert First byte of Default Gateway (IP2)", // 414
    u"Insert Second byte of Default Gateway (IP2)", // 415
    u"Insert Third byte of Default Gateway (IP2)", // 416
    u"Insert Fourth byte of Default Gateway (IP2)", // 417
    u"SSID", // 418
    u"Insert the Service Set Identifier", // 419
    u"Password", // 420
    u"Insert the Password", // 421
    u"Secure Type", // 422
    u"Select the type of Secure for the Wi-Fi", // 423
    u"Unsecured", // 424
    u"WPA", // 425
    u"WPA2", // 426
    u"WEP", // 427
    u"Enable DHCP", // 428
    u"Enable/disable the DHCP Server", // 429
    u"DHCP First IP Address", // 430
    u"Insert First byte of First IP Address for the DHCP", // 431
    u"Insert Second byte of First IP Address for the DHCP", // 432
    u"Insert Third byte of First IP Address for the DHCP", // 433
    u"Insert Fourth byte of First IP Address for the DHCP", // 434
    u"DHCP SubNet Mask", // 435
    u"Insert First byte of DHCP SubNet Mask", // 436
    u"Insert Second byte of DHCP SubNet Mask", // 437
    u"Insert Third byte of DHCP SubNet Mask", // 438
    u"Insert Fourth byte of DHCP SubNet Mask", // 439
    u"Lease Time (seconds)", // 440
    u"Insert the lease Time for DHCP", // 441
    u"Max Client", // 442
    u"Select the Number of Connection admitted", // 443
    u"Channel", // 444
    u"Select the Wi-Fi Channel", // 445
    u"Auto Search", // 446
    u"1", // 447
    u"2", // 448
    u"3", // 449
    u"4", // 450
    u"5", // 451
    u"6", // 452
    u"7", // 453
    u"8", // 454
    u"9", // 455
    u"10", // 456
    u"11", // 457
    u"Error WiFi!! IP Address 1 must be between 0 and 255", // 458
    u"Error WiFi!! IP Address 2 must be between 0 and 255", // 459
    u"Error WiFi!! IP Address 3 must be between 0 and 255", // 460
    u"Error WiFi!! IP Address 4 must be between 0 and 255", // 461
    u"Error WiFi!! SubNet Mask 1 must be between 0 and 255", // 462
    u"Error WiFi!! SubNet Mask 2 must be between 0 and 255", // 463
    u"Error WiFi!! SubNet Mask 3 must be between 0 and 255", // 464
    u"Error WiFi!! SubNet Mask 4 must be between 0 and 255", // 465
    u"Error WiFi!! Gateway 1 must be between 0 and 255", // 466
    u"Error WiFi!! Gateway 2 must be between 0 and 255", // 467
    u"Error WiFi!! Gateway 3 must be between 0 and 255", // 468
    u"Error WiFi!! Gateway 4 must be between 0 and 255", // 469
    u"Error WiFi!! DHCP First IP Address 1 must be between 0 and 255", // 470
    u"Error WiFi!! DHCP First IP Address 2 must be between 0 and 255", // 471
    u"Error WiFi!! DHCP First IP Address 3 must be between 0 and 255", // 472
    u"Error WiFi!! DHCP First IP Address 4 must be between 0 and 255", // 473
    u"Error WiFi!! DHCP SUBNET Mask 1 must be between 0 and 255", // 474
    u"Error WiFi!! DHCP SUBNET Mask 2 must be between 0 and 255", // 475
    u"Error WiFi!! DHCP SUBNET Mask 3 must be between 0 and 255", // 476
    u"Error WiFi!! DHCP SUBNET Mask 4 must be between 0 and 255", // 477
    u"Error WiFi!! Lease Time must be between 1 and 99999999 seconds", // 478
    u"Error WiFi - IP Address 1 !! IP Address 1 must be between 0 and 255", // 479
    u"Error WiFi - IP Address 1 !! IP Address 2 must be between 0 and 255", // 480
    u"Error WiFi - IP Address 1 !! IP Address 3 must be between 0 and 255", // 481
    u"Error WiFi - IP Address 1 !! IP Address 4 must be between 0 and 255", // 482
    u"Error WiFi - IP Address 1 !! SubNet Mask 1 must be between 0 and 255", // 483
    u"Error WiFi - IP Address 1 !! SubNet Mask 2 must be between 0 and 255", // 484
    u"Error WiFi - IP Address 1 !! SubNet Mask 3 must be between 0 and 255", // 485
    u"Error WiFi - IP Address 1 !! SubNet Mask 4 must be between 0 and 255", // 486
    u"Error WiFi - IP Address 1 !! Gateway 1 must be between 0 and 255", // 487
    u"Error WiFi - IP Address 1 !! Gateway 2 must be between 0 and 255", // 488
    u"Error WiFi - IP Address 1 !! Gateway 3 must be between 0 and 255", // 489
    u"Error WiFi - IP Address 1 !! Gateway 4 must be between 0 and 255", // 490
    u"Error WiFi - IP Address 2 !! IP Address 1 must be between 0 and 255", // 491
    u"Error WiFi - IP Address 2 !! IP Address 2 must be between 0 and 255", // 492
    u"Error WiFi - IP Address 2 !! IP Address 3 must be between 0 and 255", // 493
    u"Error WiFi - IP Address 2 !! IP Address 4 must be between 0 and 255", // 494
    u"Error WiFi - IP Address 2 !! SubNet Mask 1 must be between 0 and 255", // 495
    u"Error WiFi - IP Address 2 !! SubNet Mask 2 must be between 0 and 255", // 496
    u"Error WiFi - IP Address 2 !! SubNet Mask 3 must be between 0 and 255", // 497
    u"Error WiFi - IP Address 2 !! SubNet Mask 4 must be between 0 and 255", // 498
    u" ", // 499
    u"Enabled Functions", // 500
    u"Enabled Functions", // 501
    u"OK", // 502
    u"Cancel", // 503
    u"Function Number", // 504
    u"Enable", // 505
    u"Mnemonic", // 506
    u"Function 1 / Read Coil Status", // 507
    u"Function 2 / Read Input Status", // 508
    u"Function 3 / Read Holding Register", // 509
    u"Function 4 / Read Input Register", // 510
    u"Function 5 / Force Single Coil", // 511
    u"Function 6 / Preset Single Register", // 512
    u"Function 7 / Read Status", // 513
    u"Function 15 / Force Multiple Coils", // 514
    u"Function 16 / Preset Multiple Registers", // 515
    u"Function 17 / Report Slave ID", // 516
    u"Function 23 / Read Write Multiple Registers", // 517
    u" ", // 518
    u" ", // 519
    u" ", // 520
    u" ", // 521
    u" ", // 522
    u" ", // 523
    u" ", // 524
    u" ", // 525
    u" ", // 526
    u" ", // 527
    u" ", // 528
    u" ", // 529
    u" ", // 530
    u" ", // 531
    u" ", // 532
    u" ", // 533
    u" ", // 534
    u" ", // 535
    u" ", // 536
    u" ", // 537
    u" ", // 538
    u" ", // 539
    u" ", // 540
    u" ", // 541
    u" ", // 542
    u" ", // 543
    u" ", // 544
    u" ", // 545
    u" ", // 546
    u" ", // 547
    u" ", // 548
    u" ", // 549
    u" ", // 550
    u" ", // 551
    u" ", // 552
    u" ", // 553
    u" ", // 554
    u" ", // 555
    u" ", // 556
    u" ", // 557
    u" ", // 558
    u" ", // 559
    u" ", // 560
    u" ", // 561
    u" ", // 562
    u" ", // 563
    u" ", // 564
    u" ", // 565
    u" ", // 566
    u" ", // 567
    u" ", // 568
    u" ", // 569
    u" ", // 570
    u" ", // 571
    u" ", // 572
    u" ", // 573
    u" ", // 574
    u" ", // 575
    u" ", // 576
    u" ", // 577
    u" ", // 578
    u" ", // 579
    u" ", // 580
    u" ", // 581
    u" ", // 582
    u" ", // 583
    u" ", // 584
    u" ", // 585
    u" ", // 586
    u" ", // 587
    u" ", // 588
    u" ", // 589
    u" ", // 590
    u" ", // 591
    u" ", // 592
    u" ", // 593
    u" ", // 594
    u" ", // 595
    u" ", // 596
    u" ", // 597
    u" ", // 598
    u" ", // 599
    u"Error WiFi - IP Address 2 !! Gateway 1 must be between 0 and 255", // 600
    u"Error WiFi - IP Address 2 !! Gateway 2 must be between 0 and 255", // 601
    u"Error WiFi - IP Address 2 !! Gateway 3 must be between 0 and 255", // 602
    u"Error WiFi - IP Address 2 !! Gateway 4 must be between 0 and 255", // 603
    u"Error Primary DNS!! DNS 1 must be between 0 and 255", // 604
    u"Error Primary DNS!! DNS 2 must be between 0 and 255", // 605
    u"Error Primary DNS!! DNS 3 must be between 0 and 255", // 606
    u"Error Primary DNS!! DNS 4 must be between 0 and 255", // 607
    u"Error Secondary DNS!! DNS 1 must be between 0 and 255", // 608
    u"Error Secondary DNS!! DNS 2 must be between 0 and 255", // 609
    u"Error Secondary DNS!! DNS 3 must be between 0 and 255", // 610
    u"Error Secondary DNS!! DNS 4 must be between 0 and 255", // 611
    u" ", // 612
    u" ", // 613
    u" ", // 614
    u" ", // 615
    u" ", // 616
    u" ", // 617
    u" ", // 618
    u" ", // 619
    u" ", // 620
    u" ", // 621
    u" ", // 622
    u" ", // 623
    u" ", // 624
    u" ", // 625
    u" ", // 626
    u" ", // 627
    u" ", // 628
    u" ", // 629
    u" ", // 630
    u" ", // 631
    u" ", // 632
    u" ", // 633
    u" ", // 634
    u" ", // 635
    u" ", // 636
    u" ", // 637
    u" ", // 638
    u" ", // 639
    u" ", // 640
    u" ", // 641
    u" ", // 642
    u" ", // 643
    u" ", // 644
    u" ", // 645
    u" ", // 646
    u" ", // 647
    u" ", // 648
    u" ", // 649
    u" ", // 650
    u" ", // 651
    u" ", // 652
    u" ", // 653
    u" ", // 654
    u" ", // 655
    u" ", // 656
    u" ", // 657
    u" ", // 658
    u" ", // 659
    u" ", // 660
    u" ", // 661
    u" ", // 662
    u" ", // 663
    u" ", // 664
    u" ", // 665
    u" ", // 666
    u" ", // 667
    u" ", // 668
    u" ", // 669
    u" ", // 670
    u" ", // 671
    u" ", // 672
    u" ", // 673
    u" ", // 674
    u" ", // 675
    u" ", // 676
    u" ", // 677
    u" ", // 678
    u" ", // 679
    u" ", // 680
    u" ", // 681
    u" ", // 682
    u" ", // 683
    u" ", // 684
    u" ", // 685
    u" ", // 686
    u" ", // 687
    u" ", // 688
    u" ", // 689
    u" ", // 690
    u" ", // 691
    u" ", // 692
    u" ", // 693
    u" ", // 694
    u" ", // 695
    u" ", // 696
    u" ", // 697
    u" ", // 698
    u" ", // 699
};
// clang-format on

} // namespace zz
