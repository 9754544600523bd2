// SPDX-License-Identifier: GPL-3.0-or-later
// Written from each country's postal conventions: where the postal code goes relative to
// the town, whether the region is written, and whether the address runs from the largest
// unit to the smallest (East Asia).
#include "addressbook/addresslayouts.h"

#include <array>

namespace {

constexpr std::array kLayouts{
    AddressLayout{u"AE", u"%N%n%O%n%A%n%S"},
    AddressLayout{u"AR", u"%N%n%O%n%A%n%Z %C%n%S"},
    AddressLayout{u"AT", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"AU", u"%O%n%N%n%A%n%C %S %Z"},
    AddressLayout{u"BE", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"BG", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"BR", u"%O%n%N%n%A%n%D%n%C-%S%n%Z"},
    AddressLayout{u"CA", u"%N%n%O%n%A%n%C %S %Z"},
    AddressLayout{u"CH", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"CL", u"%N%n%O%n%A%n%Z %C%n%S"},
    AddressLayout{u"CN", u"%Z%n%S%C%D%n%A%n%O%n%N"},
    AddressLayout{u"CO", u"%N%n%O%n%A%n%D%n%C, %S, %Z"},
    AddressLayout{u"CZ", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"DE", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"DK", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"EE", u"%N%n%O%n%A%n%Z %C %S"},
    AddressLayout{u"ES", u"%N%n%O%n%A%n%Z %C %S"},
    AddressLayout{u"FI", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"FR", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"GB", u"%N%n%O%n%A%n%C%n%Z"},
    AddressLayout{u"GR", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"HK", u"%S%n%C%n%A%n%O%n%N"},
    AddressLayout{u"HR", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"HU", u"%N%n%O%n%C%n%A%n%Z"},
    AddressLayout{u"ID", u"%N%n%O%n%A%n%C%n%S %Z"},
    AddressLayout{u"IE", u"%N%n%O%n%A%n%D%n%C%n%S%n%Z"},
    AddressLayout{u"IL", u"%N%n%O%n%A%n%C %Z"},
    AddressLayout{u"IN", u"%N%n%O%n%A%n%C %Z%n%S"},
    AddressLayout{u"IS", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"IT", u"%N%n%O%n%A%n%Z %C %S"},
    AddressLayout{u"JP", u"\u3012%Z%n%S%C%n%A%n%O%n%N"},
    AddressLayout{u"KR", u"%S %C%D%n%A%n%O%n%N%n%Z"},
    AddressLayout{u"LI", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"LT", u"%O%n%N%n%A%n%Z %C %S"},
    AddressLayout{u"LU", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"LV", u"%N%n%O%n%A%n%S%n%C, %Z"},
    AddressLayout{u"MX", u"%N%n%O%n%A%n%D%n%Z %C, %S"},
    AddressLayout{u"MY", u"%N%n%O%n%A%n%D%n%Z %C%n%S"},
    AddressLayout{u"NL", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"NO", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"NZ", u"%N%n%O%n%A%n%D%n%C %Z"},
    AddressLayout{u"PH", u"%N%n%O%n%A%n%D, %C%n%Z %S"},
    AddressLayout{u"PL", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"PT", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"RO", u"%N%n%O%n%A%n%Z %S %C"},
    AddressLayout{u"RS", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"RU", u"%N%n%O%n%A%n%C%n%S%n%Z"},
    AddressLayout{u"SA", u"%N%n%O%n%A%n%C %Z"},
    AddressLayout{u"SE", u"%O%n%N%n%A%n%Z %C"},
    AddressLayout{u"SG", u"%N%n%O%n%A%nSINGAPORE %Z"},
    AddressLayout{u"SI", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"SK", u"%N%n%O%n%A%n%Z %C"},
    AddressLayout{u"TH", u"%N%n%O%n%A%n%D %C%n%S %Z"},
    AddressLayout{u"TR", u"%N%n%O%n%A%n%Z %C/%S"},
    AddressLayout{u"TW", u"%Z%n%S%C%n%A%n%O%n%N"},
    AddressLayout{u"UA", u"%N%n%O%n%A%n%C%n%S%n%Z"},
    AddressLayout{u"US", u"%N%n%O%n%A%n%C %S %Z"},
    AddressLayout{u"VN", u"%N%n%O%n%A%n%C%n%S %Z"},
    AddressLayout{u"ZA", u"%N%n%O%n%A%n%D%n%C%n%Z"},
};

} // namespace

std::span<const AddressLayout> addressLayouts()
{
    return kLayouts;
}
