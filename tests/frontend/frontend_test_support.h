// Shared by the front-end tests: a fresh working directory per test and a driver for modal dialogs.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

/// Makes a fresh empty directory the working directory, as the programs open bare file names.
class WorkingDirectory {
  public:
    WorkingDirectory() : m_old(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }
    ~WorkingDirectory() { QDir::setCurrent(m_old); }

    QString path() const { return m_dir.path(); }

  private:
    QTemporaryDir m_dir;
    QString m_old;
};

inline void writeText(const QString& name, const QByteArray& text) {
    QFile file(name);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
}

/// The file's bytes, or nothing when it does not exist.
inline std::optional<QByteArray> readText(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

/// Handles each modal dialog as it comes up: records its class and lets `handle` close it.
/// The dialogs run in nested event loops, so the handling has to come from a timer.
class ModalDriver {
  public:
    explicit ModalDriver(std::function<void(QWidget*)> handle) : m_handle(std::move(handle)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            // A closed dialog is hidden at once, so it is never handled twice.
            if (modal && modal->isVisible() && !m_busy) {
                m_busy = true;
                m_seen << QString::fromLatin1(modal->metaObject()->className());
                m_handle(modal);
                m_busy = false;
            }
        });
        m_timer.start(10);
    }

    /// The classes of the dialogs handled, in order, without their namespace.
    QStringList seen() const {
        QStringList names = m_seen;
        for (QString& name : names) {
            name.remove(QStringLiteral("crv::"));
        }
        return names;
    }

  private:
    std::function<void(QWidget*)> m_handle;
    QTimer m_timer;
    QStringList m_seen;
    bool m_busy = false;
};
