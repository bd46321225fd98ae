// The camera AVI reader as an export sees it.
#pragma once

#include "export/export_source.h"
#include "media/avi/avi_movie.h"
#include "platform/file.h"

namespace qv::exports {

class AviExportSource final : public ExportSource {
  public:
    explicit AviExportSource(AviMovie& movie) : movie_(movie) {}

    // The path of the file the movie has open.
    void Attach(const std::string& path) { path_ = path; }
    void Detach() { path_.clear(); }

    int FrameCount() const override { return movie_.FrameCount(); }
    int Scale() const override { return movie_.Scale(); }
    int Rate() const override { return movie_.Rate(); }
    const std::string& SourcePath() const override { return path_; }
    uint32_t HeaderLength() const override;
    bool ReadHead(uint8_t* out, size_t n) override;
    uint32_t IndexedFrameSize(int frame) const override;
    bool ReadFrameBytes(int frame, const uint8_t*& data, uint32_t& size) override;

  private:
    AviMovie& movie_;
    std::string path_;
};

}  // namespace qv::exports
