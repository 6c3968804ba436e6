#pragma once

#include "SoundOutput.h"

#include <QLibrary>
#include <QStringList>

#include <future>
#include <memory>

namespace korbo {

// Finds and loads the audio module, the part of the game that links the audio
// libraries. Loading those takes about as long as building the whole board, so the
// game shows the board first and then loads the module on a worker thread; the
// first sound waits for it only if it is asked for sooner.
//
// Without the module the game is silent, and says so once on its error output.
class AudioModule {
public:
    // Where the module is looked for, in order: beside the program (as in the build
    // tree) and where an installation puts it.
    static QStringList searchPaths();

    explicit AudioModule(QStringList candidates = searchPaths());
    // A module already loaded, whose output is this one.
    explicit AudioModule(std::unique_ptr<SoundOutput> output);
    ~AudioModule();
    AudioModule(const AudioModule &) = delete;
    AudioModule &operator=(const AudioModule &) = delete;

    // Starts loading on a worker thread and returns at once. Once is enough.
    void startLoading();
    // The module's output, made on the first call on the calling thread (waiting for
    // the loading if it has not finished); null when no module could be loaded.
    SoundOutput *output();
    // The output if it has been made already, otherwise null; never loads.
    SoundOutput *loadedOutput() const { return m_output.get(); }

private:
    QStringList m_candidates;
    QLibrary m_library;
    std::future<QString> m_loading; // what went wrong; empty once loaded
    bool m_settled = false;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace korbo
