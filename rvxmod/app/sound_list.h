#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "rvxmod/shell/sound_switches.h"

namespace rvxmod::app {

// The sound list of the start-up directory and the two switches that govern its items. Plays
// through Qt Multimedia when the build has it and silently otherwise.
class SoundList : public QObject {
    Q_OBJECT
public:
    SoundList();
    ~SoundList() override;

    // Loads the list from the file; false (and an empty list) when it does not exist.
    bool load(const QString& path);
    void clear();
    bool isLoaded() const { return loaded_; }

    SoundSwitches switches() const { return switches_; }
    void setSwitches(SoundSwitches switches) { switches_ = switches; }

    // Plays an item when the list is loaded and the item's switch is on.
    void play(int item);
    void play(SoundItem item) { play(static_cast<int>(item)); }

Q_SIGNALS:
    void played(int item);

private:
    class Playback;

    bool loaded_ = false;
    SoundSwitches switches_;
    std::unique_ptr<Playback> playback_;
};

}  // namespace rvxmod::app
