#include "app/ini_file.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/ascii_case.h"
#include "platform/file.h"

namespace qv::app {
namespace {

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

}  // namespace

int ParseProfileInt(const std::string& text, int def) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        digits = true;
        if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (!digits) return def;
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool IniFile::Load(const std::string& path) {
    lines_.clear();
    std::string text;
    // A settings file is a few kilobytes; anything far larger is not ours.
    if (!platform::ReadWholeFile(path, text, 1 << 20)) return false;
    Parse(text);
    return true;
}

void IniFile::Parse(const std::string& text) {
    lines_.clear();
    std::istringstream in(text);
    std::string raw, section;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        Line line;
        line.text = raw;
        std::string t = Trim(raw);
        if (t.size() >= 2 && t.front() == '[') {
            size_t close = t.find(']');
            if (close != std::string::npos) {
                section = LowerAscii(Trim(t.substr(1, close - 1)));
                line.header = true;
            }
        } else if (!t.empty() && t[0] != ';' && t[0] != '#') {
            size_t eq = t.find('=');
            if (eq != std::string::npos && eq > 0) {
                line.key = LowerAscii(Trim(t.substr(0, eq)));
                line.value = Trim(t.substr(eq + 1));
            }
        }
        line.section = section;
        lines_.push_back(std::move(line));
    }
}

std::string IniFile::Text() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.text;
        out += "\r\n";
    }
    return out;
}

int IniFile::FindHeader(const std::string& section) const {
    const std::string s = LowerAscii(section);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].header && lines_[i].section == s) return static_cast<int>(i);
    return -1;
}

int IniFile::FindLine(const std::string& section, const std::string& key) const {
    const std::string s = LowerAscii(section), k = LowerAscii(key);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (!lines_[i].header && lines_[i].section == s && lines_[i].key == k)
            return static_cast<int>(i);
    return -1;
}

const std::string* IniFile::Find(const std::string& section, const std::string& key) const {
    int i = FindLine(section, key);
    return i < 0 ? nullptr : &lines_[static_cast<size_t>(i)].value;
}

void IniFile::PutString(const std::string& section, const std::string& key,
                        const std::string& value) {
    int i = FindLine(section, key);
    if (i >= 0) {
        Line& l = lines_[static_cast<size_t>(i)];
        // Keep the key's spelling as the file had it.
        std::string t = Trim(l.text);
        l.text = Trim(t.substr(0, t.find('='))) + "=" + value;
        l.value = value;
        return;
    }
    Line line;
    line.section = LowerAscii(section);
    line.key = LowerAscii(key);
    line.value = value;
    line.text = key + "=" + value;
    int h = FindHeader(section);
    if (h < 0) {
        Line header;
        header.header = true;
        header.section = line.section;
        header.text = "[" + section + "]";
        lines_.push_back(header);
        lines_.push_back(line);
        return;
    }
    // After the last key line of the section (blank lines and comments after it stay behind).
    size_t at = static_cast<size_t>(h) + 1;
    for (size_t j = at; j < lines_.size() && !lines_[j].header; ++j)
        if (!lines_[j].key.empty()) at = j + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

int IniFile::GetInt(const std::string& section, const std::string& key, int def) const {
    const std::string* v = Find(section, key);
    return v ? ParseProfileInt(*v, def) : def;
}

void IniFile::PutInt(const std::string& section, const std::string& key, int value) {
    PutString(section, key, std::to_string(value));
}

bool IniFile::SaveAtomically(const std::string& path, std::string* error) const {
    const std::string temp = path + ".tmp";
    const std::string text = Text();
    auto fail = [&](const std::string& what) {
        if (error) *error = what;
        std::remove(temp.c_str());
        return false;
    };
    {
        platform::File f;
        if (!f.Create(temp)) return fail(f.LastError());
        if (!f.Write(text.data(), text.size()) || !f.Sync()) return fail(f.LastError());
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) return fail("cannot replace " + path);
    return true;
}

}  // namespace qv::app
