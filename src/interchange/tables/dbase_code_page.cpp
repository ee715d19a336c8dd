#include "interchange/tables/dbase_code_page.h"

namespace vn {

QByteArray dbaseEncodingName(unsigned char languageDriver) {
    switch (languageDriver) {
    case 0x01: return "IBM437";
    case 0x02: return "IBM850";
    case 0x04: return "macintosh";
    case 0x26: return "IBM866";
    case 0x64: return "IBM852";
    case 0x65: return "IBM866";
    case 0x66: return "IBM865";
    case 0x67: return "IBM861";
    case 0x6A: return "IBM737";
    case 0x6B: return "IBM857";
    case 0x7D: return "windows-1255";
    case 0x7E: return "windows-1256";
    case 0xC8: return "windows-1250";
    case 0xC9: return "windows-1251";
    case 0xCA: return "windows-1254";
    case 0xCB: return "windows-1253";
    default: return "windows-1252";  // 0x03, 0x57, none (0) and the drivers we do not know
    }
}

}  // namespace vn
