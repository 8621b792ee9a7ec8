#pragma once

#include <QImage>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "graph/plot_request.h"
#include "model/catalogue.h"

// The render thread: draws the newest requested graph off the caller's thread.
//
// A request replaces any request still waiting and makes a running pass stop
// before its next sample or curve segment; a pass for the newest request
// follows at once, so requests in a burst are merged and the last image handed
// over is always the last request's. The thread evaluates the requests on a
// distribution set of its own and shares no Distribution with anyone.
class GraphRenderer {
public:
    // Receives each finished image, on the render thread. It must not wait for
    // the thread that destroys the renderer (post to it instead).
    using ImageReady = std::function<void(QImage)>;

    // Starts the thread. The default set is made on the calling thread.
    explicit GraphRenderer(ImageReady imageReady, DistributionSet distributions = makeDistributionSet());

    // Stops the running pass, if any, and joins the thread: once it returns,
    // imageReady is not running and will not be called again.
    ~GraphRenderer();

    GraphRenderer(const GraphRenderer&) = delete;
    GraphRenderer& operator=(const GraphRenderer&) = delete;

    // Asks for a graph of this request; never waits for a pass.
    void requestRedraw(const PlotRequest& request);

    // Blocks until no request waits and no pass runs.
    void waitUntilIdle();

    // Passes begun so far, including the ones a newer request stopped.
    int passCount() const { return passCount_.load(); }

private:
    void run();

    ImageReady imageReady_;
    DistributionSet distributions_;  // used by the render thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<PlotRequest> pending_;  // the newest request not yet begun
    bool passRunning_ = false;
    bool stopping_ = false;

    // Set by every request and by the stop; a running pass checks it before
    // every sample and every curve segment.
    std::atomic<bool> restart_{false};
    std::atomic<int> passCount_{0};

    std::thread thread_;  // last: starts once everything above exists
};
