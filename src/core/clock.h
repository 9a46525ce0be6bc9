#pragma once
// "The current date", as the date reading needs it. Tests fix it.

namespace qs {

struct TDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const TDate&, const TDate&) = default;
};

class IClock {
  public:
    virtual ~IClock() = default;
    virtual TDate Today() const = 0;
};

// The machine's local date.
class SystemClock final : public IClock {
  public:
    TDate Today() const override;
};

// A fixed date, for tests and reproducible runs.
class FixedClock final : public IClock {
  public:
    explicit FixedClock(TDate today) : today_(today) {}
    TDate Today() const override { return today_; }

  private:
    TDate today_;
};

}  // namespace qs
