#include "zip_test_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace {

namespace fs = std::filesystem;

// Windows will not delete read-only files; make everything writable first.
void MakeTreeWritable(const fs::path& root) {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(root, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
}

void RemoveTree(const fs::path& root) {
    MakeTreeWritable(root);
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

std::string Generic(const fs::path& path) {
    const auto text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

ZipTestFolder::ZipTestFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path temp = fs::temp_directory_path();
    do {
        m_outer = temp / ("torvane-zip-" + std::to_string(random()));
    } while (!fs::create_directory(m_outer));
    m_base = m_outer / "base";
    fs::create_directory(m_base);
}

ZipTestFolder::~ZipTestFolder() {
    RemoveTree(m_outer);
}

std::vector<std::string> ZipTestFolder::BaseListing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(m_base)) {
        std::string name = Generic(fs::relative(entry.path(), m_base));
        if (entry.is_directory()) {
            name += '/';
        }
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void ZipTestFolder::ClearBase() const {
    MakeTreeWritable(m_base);
    for (const auto& entry : fs::directory_iterator(m_base)) {
        fs::remove_all(entry.path());
    }
}

std::vector<std::string> ZipTestFolder::OuterListing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_outer)) {
        names.push_back(Generic(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
