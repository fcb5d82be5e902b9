#pragma once

#include <string_view>

namespace cardgen {

// Decides whether a freshly drawn password may be used; a refused one is drawn
// again, so a filter must accept a good share of the passwords it is shown.
class PasswordFilter {
public:
    virtual ~PasswordFilter() = default;

    [[nodiscard]] virtual bool accept(std::string_view password) = 0;
    // Says that accept will soon be asked about this password, so that a filter can
    // start fetching what it will need.
    virtual void expect(std::string_view /*password*/) {}
};

} // namespace cardgen
