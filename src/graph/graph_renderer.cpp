#include "graph/graph_renderer.h"

#include <utility>

#include "graph/graph_image.h"
#include "graph/ui_font.h"

GraphRenderer::GraphRenderer(ImageReady imageReady, DistributionSet distributions)
    : imageReady_(std::move(imageReady)), distributions_(std::move(distributions))
{
    // Register the shipped faces on the owner's thread before the first pass needs them.
    uiFont(1);
    thread_ = std::thread([this] { run(); });
}

GraphRenderer::~GraphRenderer()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        restart_ = true;
    }
    wake_.notify_all();
    idle_.notify_all();
    thread_.join();
}

void GraphRenderer::requestRedraw(const PlotRequest& request)
{
    {
        const std::lock_guard lock(mutex_);
        pending_ = request;
        restart_ = true;
    }
    wake_.notify_one();
}

void GraphRenderer::waitUntilIdle()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return stopping_ || (!pending_ && !passRunning_); });
}

void GraphRenderer::run()
{
    const StopQuery stopRequested = [this] { return restart_.load(); };
    for (;;) {
        PlotRequest request;
        {
            std::unique_lock lock(mutex_);
            passRunning_ = false;
            if (!pending_) idle_.notify_all();
            wake_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
            if (stopping_) return;
            request = *pending_;
            pending_.reset();
            restart_ = false;
            passRunning_ = true;
        }
        ++passCount_;

        // A pass stopped by a newer request hands nothing over: the next pass
        // follows at once and the shown image stays whole until it is done.
        QImage image = renderGraphImage(request, distributions_, stopRequested);
        if (!image.isNull() && !restart_.load()) imageReady_(std::move(image));
    }
}
