#include "platform/sound/BackendMediaPlayer.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QMediaPlayer>
#include <QPluginLoader>
#include <QUrl>

namespace {

// The keys ("gstreamer", "ffmpeg", "windows", ...) of the multimedia backends Qt could load.
QStringList backendKeys()
{
    QStringList keys;
    const auto addKeys = [&keys](const QJsonObject &metaData) {
        if (!metaData.value(QStringLiteral("IID")).toString().contains(QStringLiteral("QPlatformMediaPlugin")))
            return;
        for (const QJsonValue &key : metaData.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray())
            keys.append(key.toString());
    };
    for (const QStaticPlugin &plugin : QPluginLoader::staticPlugins())
        addKeys(plugin.metaData());
    for (const QString &folder : QCoreApplication::libraryPaths()) {
        const QDir multimedia(folder + QStringLiteral("/multimedia"));
        for (const QString &name : multimedia.entryList(QDir::Files))
            addKeys(QPluginLoader(multimedia.filePath(name)).metaData());
    }
    return keys;
}

} // namespace

BackendMediaPlayer::BackendMediaPlayer(std::function<void(const QString &, const QString &)> failed, QObject *parent)
    : QObject(parent), m_failed(std::move(failed))
{
}

BackendMediaPlayer::~BackendMediaPlayer() = default;

QString BackendMediaPlayer::missingBackend()
{
    const QStringList keys = backendKeys();
    const QString asked = qEnvironmentVariable("QT_MEDIA_BACKEND");
    if (!asked.isEmpty() && !keys.contains(asked, Qt::CaseInsensitive))
        return QStringLiteral("QT_MEDIA_BACKEND names the multimedia backend \"%1\", which is not installed").arg(asked);
    if (keys.isEmpty())
        return QStringLiteral("no Qt multimedia backend is installed");
    return {};
}

void BackendMediaPlayer::create()
{
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    QMediaPlayer *player = m_player;
    connect(player, &QMediaPlayer::errorOccurred, this, [this, player](QMediaPlayer::Error error, const QString &text) {
        if (error == QMediaPlayer::NoError || player != m_player)
            return;
        m_broken = true;
        m_failed(player->source().toLocalFile(), text);
    });
}

void BackendMediaPlayer::play(const QString &file)
{
    if (m_broken)
        stop();
    if (!m_player)
        create();
    // Setting the source already set changes nothing: stop first, so the sound starts again.
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(file));
    m_player->play();
}

void BackendMediaPlayer::stop()
{
    if (m_broken) {
        delete m_player;
        delete m_output;
        m_player = nullptr;
        m_output = nullptr;
        m_broken = false;
    } else if (m_player) {
        m_player->stop();
    }
}
