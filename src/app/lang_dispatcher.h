// The interface language switch: the active language number and whether it is the first one
// (English). The logic writes its texts in English and the windows show them in the active
// language; the few texts the camera software wrote only for English stay so.
#pragma once

namespace qv::app {

class LanguageDispatcher {
  public:
    void SetActiveLanguage(int number) { active_ = number; }
    int ActiveLanguage() const { return active_; }
    // Languages are numbered from 1; 0 (never set) also means the first.
    bool IsFirstLanguageActive() const { return active_ <= 1; }

  private:
    int active_ = 1;
};

}  // namespace qv::app
