#include "rvxmod/app/sound_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

#include "rvxmod/shell/sound_list_file.h"

#ifdef RVX_HAVE_MULTIMEDIA
#include <QSoundEffect>
#include <QUrl>
#endif

namespace rvxmod::app {

// The loaded sounds by item; without Qt Multimedia nothing is heard.
class SoundList::Playback {
public:
    void add(const QString& file) {
#ifdef RVX_HAVE_MULTIMEDIA
        auto& effect = effects_.emplace_back();
        if (file.isEmpty()) return;
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
#else
        Q_UNUSED(file);
#endif
    }
    void play(std::size_t item) {
#ifdef RVX_HAVE_MULTIMEDIA
        if (item < effects_.size() && effects_[item]) effects_[item]->play();
#else
        Q_UNUSED(item);
#endif
    }

private:
#ifdef RVX_HAVE_MULTIMEDIA
    std::vector<std::unique_ptr<QSoundEffect>> effects_;
#endif
};

SoundList::SoundList() = default;
SoundList::~SoundList() = default;

bool SoundList::load(const QString& path) {
    clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray text = file.readAll();
    const QDir folder = QFileInfo(path).absoluteDir();
    playback_ = std::make_unique<Playback>();
    for (const std::string& name :
         parseSoundList({text.constData(), static_cast<std::size_t>(text.size())}))
        playback_->add(name.empty() ? QString() : folder.filePath(QString::fromStdString(name)));
    loaded_ = true;
    return true;
}

void SoundList::clear() {
    playback_.reset();
    loaded_ = false;
}

void SoundList::play(int item) {
    if (!loaded_ || item < 0 || !switches_.allows(item)) return;
    playback_->play(static_cast<std::size_t>(item));
    Q_EMIT played(item);
}

}  // namespace rvxmod::app
