#pragma once
// A fresh folder for one test, removed with everything in it afterwards: the one way the tests
// make scratch space.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TempFolder {
public:
    // `tag` goes into the folder's name ("quillox-<tag>-XXXXXX"), so one left behind says whose.
    explicit TempFolder(const std::string& tag = "test") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("quillox-" + tag + "-XXXXXX")).string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/", as the game's folder paths are kept.
    std::string Path() const { return path_ + "/"; }
    std::string File(const std::string& name) const { return Path() + name; }
    std::string operator/(const std::string& name) const { return File(name); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(File(name)); }
    // Names of the entries in the folder: catches temporary files left behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }
    int EntryCount() const { return static_cast<int>(Entries().size()); }

private:
    std::string path_;
};
