#pragma once

namespace tavelo::platform {

class Clock;

// "Let pending window events run", and waits that keep the window responsive.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void processPending() = 0;
  // Waits about ms milliseconds while letting window events run.
  virtual void waitLettingEventsRun(int ms) = 0;
};

class QtEventPump final : public EventPump {
 public:
  explicit QtEventPump(const Clock& clock) : clock_(clock) {}
  void processPending() override;
  void waitLettingEventsRun(int ms) override;

 private:
  const Clock& clock_;
};

}  // namespace tavelo::platform
