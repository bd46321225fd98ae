// The player's settings file: an INI text of "[section]" headers and "key=value" lines, read and
// written with the usual profile rules. Section and key names compare case-insensitively, a
// missing key gives the caller's default, integers are decimal with an optional sign, and writing
// keeps every other section, key and comment of the file as it was.
#pragma once

#include <string>
#include <vector>

namespace qv::app {

// Integer get and put by section and key; what the settings code needs of a settings store.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int def) const = 0;
    virtual void PutInt(const std::string& section, const std::string& key, int value) = 0;
};

class IniFile : public ProfileStore {
  public:
    // Reads the file; a missing or unreadable file gives an empty store (every key its default).
    bool Load(const std::string& path);
    // Parses INI text (used by Load and by tests).
    void Parse(const std::string& text);
    // The whole file as text, lines in their original order, new keys at the end of their section.
    std::string Text() const;
    // Writes the text to a temporary file beside path, flushes it and renames it over path, so an
    // interrupted write never leaves a truncated settings file. False when any step fails.
    bool SaveAtomically(const std::string& path, std::string* error = nullptr) const;

    // The raw value text of a key, or nullptr when absent.
    const std::string* Find(const std::string& section, const std::string& key) const;
    void PutString(const std::string& section, const std::string& key, const std::string& value);

    int GetInt(const std::string& section, const std::string& key, int def) const override;
    void PutInt(const std::string& section, const std::string& key, int value) override;

  private:
    struct Line {
        std::string text;     // the line as stored, rewritten when a value is put
        std::string section;  // section the line belongs to (lower case); for headers, its own
        std::string key;      // lower-case key for key lines, empty otherwise
        std::string value;    // value text for key lines
        bool header = false;
    };
    int FindLine(const std::string& section, const std::string& key) const;
    int FindHeader(const std::string& section) const;

    std::vector<Line> lines_;
};

// Reads a profile integer the way the settings reader does: leading blanks, an optional sign, then
// decimal digits up to the first other character; no digits give the default. Values beyond the
// 32-bit range are limited to it.
int ParseProfileInt(const std::string& text, int def);

}  // namespace qv::app
