#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace orvane {

// Tells whoever listens that something they show has changed: a living background was
// switched, the slideshow changed the wallpaper, the screen saver was changed, the
// night-light window opened or closed. The program raises it; pages that show such
// state listen while their window exists.
class CChangeNotice {
public:
    // Stops the listening when it goes (move-only).
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&&) noexcept = default;
        Subscription& operator=(Subscription&&) noexcept = default;
        ~Subscription() { Reset(); }
        void Reset();

    private:
        friend class CChangeNotice;
        Subscription(std::weak_ptr<std::vector<std::shared_ptr<std::function<void()>>>> list,
                     std::shared_ptr<std::function<void()>> listener)
            : m_list(std::move(list)), m_listener(std::move(listener)) {}
        std::weak_ptr<std::vector<std::shared_ptr<std::function<void()>>>> m_list;
        std::shared_ptr<std::function<void()>> m_listener;
    };

    [[nodiscard]] Subscription Listen(std::function<void()> listener);
    // Calls every listener, in the order they began to listen. A listener may stop
    // listening (or others) meanwhile.
    void Raise() const;

private:
    std::shared_ptr<std::vector<std::shared_ptr<std::function<void()>>>> m_listeners =
        std::make_shared<std::vector<std::shared_ptr<std::function<void()>>>>();
};

} // namespace orvane
