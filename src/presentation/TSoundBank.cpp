#include "presentation/TSoundBank.h"

#include "presentation/Names.h"
#include "system/ReportError.h"

void TSoundBank::SetPath(const std::string& path) {
    Path = FolderPrefix(path);
}

std::shared_ptr<TGameSound> TSoundBank::Load(const std::string& file, float pitch, float volume,
                                             const std::string& key, int flags) {
    std::string extension = FileExtension(file);
    if (extension.empty()) extension = Ext;
    auto gameSound = TGameSound::Create(Path + WithoutExtension(file) + extension, flags);
    gameSound->pitch = pitch;
    gameSound->volume = volume;
    if (!key.empty()) gameSound->name = UpperCase(key);
    Sounds[gameSound->name] = gameSound;
    return gameSound;
}

std::shared_ptr<TGameSound> TSoundBank::Find(const std::string& name) const {
    const std::string key = UpperCase(name);
    const auto found = Sounds.find(key);
    if (found == Sounds.end()) {
        ReportError("Sound '" + key + "' was not found in the SoundBank", true);
        return nullptr;
    }
    return found->second;
}

std::shared_ptr<TGameSound> TSoundBank::FindSound(const std::string& name) const {
    auto found = Sounds.find(UpperCase(name));
    return found == Sounds.end() ? nullptr : found->second;
}

void TSoundBank::Clear() {
    Sounds.clear();
}
