#include "store/TSaveData.h"

#include "store/TByteReader.h"
#include "store/TByteWriter.h"
#include "store/TProfile.h"

void TSaveData::Init(TProfile* /*profile*/) {
    colorblind = 0;
    FirstTime = 1;
    Tutorial = 1;
}

void TSaveData::Save(TByteWriter& out) const {
    out.WriteByte(colorblind);
    out.WriteByte(static_cast<std::uint8_t>(FirstTime & 0xFF));
    out.WriteByte(static_cast<std::uint8_t>(Tutorial & 0xFF));
}

void TSaveData::Load(TByteReader& in) {
    // The game only ever writes 0 or 1; anything else is damage, and a flag like FirstTime that
    // is neither would never clear.
    std::uint8_t value = 0;
    if (in.ReadByte(value)) colorblind = value != 0 ? 1 : 0;
    if (in.ReadByte(value)) FirstTime = value != 0 ? 1 : 0;
    if (in.ReadByte(value)) Tutorial = value != 0 ? 1 : 0;
}

void TSaveData::AttachTo(TProfile& profile) {
    profile.SaveUserFunction = [this](TByteWriter& out) { Save(out); };
    profile.LoadUserFunction = [this](TByteReader& in) { Load(in); };
}
