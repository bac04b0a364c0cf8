#include "core/ChangeNotice.h"

#include <algorithm>

namespace orvane {

void CChangeNotice::Subscription::Reset() {
    if (auto list = m_list.lock())
        list->erase(std::remove(list->begin(), list->end(), m_listener), list->end());
    m_list.reset();
    m_listener.reset();
}

CChangeNotice::Subscription CChangeNotice::Listen(std::function<void()> listener) {
    auto shared = std::make_shared<std::function<void()>>(std::move(listener));
    m_listeners->push_back(shared);
    return Subscription(m_listeners, std::move(shared));
}

void CChangeNotice::Raise() const {
    // A copy, so that listeners may come and go while it is told.
    const auto listeners = *m_listeners;
    for (const auto& listener : listeners)
        if (std::find(m_listeners->begin(), m_listeners->end(), listener) != m_listeners->end())
            (*listener)();
}

} // namespace orvane
