#include "net/Protocol.h"

#include <type_traits>

namespace net {

namespace {

enum class Kind : std::uint8_t {
  Hello = 1,
  Settings = 2,
  Inputs = 3,
  Ping = 4,
  Check = 5,
  Bye = 6,
  Recent = 7
};

bool Printable(char c) {
  return c >= 0x20 && c <= 0x7e;
}

class Writer {
 public:
  void Byte(std::uint8_t value) { bytes.push_back(value); }
  template <typename T>
  void Number(T value) {
    for (std::size_t i = 0; i < sizeof(T); ++i) Byte(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  // Cut to its bound, and anything but printable ASCII sent as '?', so what
  // we send is always what the other side accepts.
  void Text(const std::string& text, std::size_t longest) {
    const std::size_t size = text.size() < longest ? text.size() : longest;
    Byte(static_cast<std::uint8_t>(size));
    for (std::size_t i = 0; i < size; ++i) Byte(Printable(text[i]) ? text[i] : '?');
  }
  std::vector<std::uint8_t> bytes;
};

// Reads forward; any read past the end, or out of its bounds, spoils the rest.
class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() {
    if (at_ >= size_) {
      ok_ = false;
      return 0;
    }
    return data_[at_++];
  }
  template <typename T>
  T Number() {
    std::make_unsigned_t<T> value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
      value |= static_cast<std::make_unsigned_t<T>>(static_cast<std::make_unsigned_t<T>>(Byte())
                                                    << (8 * i));
    return static_cast<T>(value);
  }
  // Printable ASCII only: nothing from the network reaches a panel or a
  // script with a control character in it.
  std::string Text(std::size_t longest) {
    const std::size_t size = Byte();
    if (size > longest || size > size_ - at_) ok_ = false;
    if (!ok_) return {};
    std::string text(reinterpret_cast<const char*>(data_ + at_), size);
    at_ += size;
    for (char c : text)
      if (!Printable(c)) ok_ = false;
    return text;
  }
  void Spoil() { ok_ = false; }
  bool Within(std::uint8_t value, std::uint8_t low, std::uint8_t high) {
    if (value < low || value > high) ok_ = false;
    return ok_;
  }
  // Everything read, and nothing left over.
  bool Done() const { return ok_ && at_ == size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

void Put(Writer& w, const Hello& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Hello));
  w.Number(m.protocol);
  w.Text(m.gameVersion, kLongestText);
  w.Byte(m.host ? 1 : 0);
  w.Text(m.team, kLongestName);
}

void Put(Writer& w, const MatchSettings& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Settings));
  for (const auto* text : {&m.team1, &m.team2}) w.Text(*text, kLongestName);
  for (const auto* text : {&m.overs, &m.gameDelay}) w.Text(*text, kLongestText);
  for (std::uint8_t choice : {m.batting, m.bowling, m.computer, m.inputDelay}) w.Byte(choice);
  w.Number(m.generator);
  w.Number(m.timeOfDay);
}

void PutLines(Writer& w, const std::vector<std::string>& lines) {
  w.Byte(static_cast<std::uint8_t>(lines.size()));
  for (const auto& line : lines) w.Text(line, kLongestLine);
}

void Put(Writer& w, const TickInputs& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Inputs));
  w.Number(m.tick);
  PutLines(w, m.lines);
}

void Put(Writer& w, const RecentInputs& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Recent));
  w.Number(m.last);
  w.Byte(static_cast<std::uint8_t>(m.batches.size()));
  for (const auto& lines : m.batches) PutLines(w, lines);
}

void Put(Writer& w, const Ping& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Ping));
  w.Number(m.id);
  w.Byte(m.reply ? 1 : 0);
}

void Put(Writer& w, const BallCheck& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Check));
  w.Number(m.ball);
  w.Number(m.hash);
}

void Put(Writer& w, const Bye& m) {
  w.Byte(static_cast<std::uint8_t>(Kind::Bye));
  w.Byte(static_cast<std::uint8_t>(m.reason));
  w.Number(m.played);
}

Hello GetHello(Reader& r) {
  Hello m;
  m.protocol = r.Number<std::uint16_t>();
  m.gameVersion = r.Text(kLongestText);
  const std::uint8_t host = r.Byte();
  r.Within(host, 0, 1);
  m.host = host == 1;
  m.team = r.Text(kLongestName);
  return m;
}

MatchSettings GetSettings(Reader& r) {
  MatchSettings m;
  for (auto* text : {&m.team1, &m.team2}) *text = r.Text(kLongestName);
  for (auto* text : {&m.overs, &m.gameDelay}) *text = r.Text(kLongestText);
  for (auto* choice : {&m.batting, &m.bowling, &m.computer}) r.Within(*choice = r.Byte(), 0, 3);
  r.Within(m.inputDelay = r.Byte(), 1, kLongestDelay);
  m.generator = r.Number<std::uint64_t>();
  m.timeOfDay = r.Number<std::uint32_t>();
  return m;
}

std::vector<std::string> GetLines(Reader& r) {
  std::vector<std::string> lines;
  const std::uint8_t count = r.Byte();
  if (!r.Within(count, 0, kMostLinesInATick)) return lines;
  for (std::uint8_t i = 0; i < count; ++i) lines.push_back(r.Text(kLongestLine));
  return lines;
}

TickInputs GetInputs(Reader& r) {
  TickInputs m;
  m.tick = r.Number<std::uint32_t>();
  m.lines = GetLines(r);
  return m;
}

RecentInputs GetRecent(Reader& r) {
  RecentInputs m;
  m.last = r.Number<std::uint32_t>();
  const std::uint8_t count = r.Byte();
  if (!r.Within(count, 1, kRecentBatches)) return m;
  if (m.last < count) r.Spoil();  // no tick before the first
  for (std::uint8_t i = 0; i < count; ++i) m.batches.push_back(GetLines(r));
  return m;
}

Ping GetPing(Reader& r) {
  Ping m;
  m.id = r.Number<std::uint32_t>();
  const std::uint8_t reply = r.Byte();
  r.Within(reply, 0, 1);
  m.reply = reply == 1;
  return m;
}

BallCheck GetCheck(Reader& r) {
  BallCheck m;
  m.ball = r.Number<std::uint32_t>();
  m.hash = r.Number<std::uint64_t>();
  return m;
}

Bye GetBye(Reader& r) {
  const std::uint8_t reason = r.Byte();
  r.Within(reason, 1, 3);
  return Bye{static_cast<ByeReason>(reason), r.Number<std::uint32_t>()};
}

std::optional<Message> Read(Reader& r) {
  switch (static_cast<Kind>(r.Byte())) {
    case Kind::Hello:
      return GetHello(r);
    case Kind::Settings:
      return GetSettings(r);
    case Kind::Inputs:
      return GetInputs(r);
    case Kind::Ping:
      return GetPing(r);
    case Kind::Check:
      return GetCheck(r);
    case Kind::Bye:
      return GetBye(r);
    case Kind::Recent:
      return GetRecent(r);
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::uint8_t> Encode(const Message& message) {
  Writer writer;
  std::visit([&writer](const auto& m) { Put(writer, m); }, message);
  return writer.bytes;
}

std::optional<Message> Decode(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size == 0 || size > kLongestDatagram) return std::nullopt;
  Reader reader(data, size);
  auto message = Read(reader);
  if (!message || !reader.Done()) return std::nullopt;
  return message;
}

}  // namespace net
