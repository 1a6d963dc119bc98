#pragma once
// An environment variable set for one test and put back afterwards.
#include <cstdlib>
#include <optional>
#include <string>

namespace pelin::testing {

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        set(value.c_str());
    }
    ~ScopedEnv() { set(old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    // `value` nullptr removes the variable.
    void set(const char* value) {
#ifdef _WIN32
        ::_putenv_s(name_, value ? value : "");  // "" removes it; the system's environment follows
#else
        if (value) ::setenv(name_, value, 1);
        else ::unsetenv(name_);
#endif
    }

    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace pelin::testing
