// The duel's state machine: which line is taken in which stage and turn, the rounds and the end.
#include "network/duel_protocol.h"

#include "network/input_checks.h"
#include "network/network_texts.h"
#include "rules/number_rules.h"

namespace duel::net {

namespace {

Event Ended(DuelEnd end) {
    Event event = MakeEvent(Event::Ended);
    event.end = std::move(end);
    return event;
}

DuelEnd Ending(EndKind kind, std::string text) {
    DuelEnd end;
    end.kind = kind;
    end.text = std::move(text);
    return end;
}

Reaction Refused() {
    Reaction reaction;
    reaction.refused = true;
    return reaction;
}

Reaction Sending(Message message) {
    Reaction reaction;
    reaction.send.push_back(std::move(message));
    return reaction;
}

Reaction Telling(Event event) {
    Reaction reaction;
    reaction.events.push_back(std::move(event));
    return reaction;
}

bool Found(const Move& move) { return move.answer.exact == 4; }

// What the player hears when the peer's connection ends once the duel has begun: it has left,
// which is its forfeit; a line that broke the protocol is named first.
std::string LeftText(std::string_view why) {
    if (why == kTextLost) return kTextOpponentLeft;
    return Word("network", std::string(why).c_str()) + "\n" + Word("network", kTextOpponentLeft);
}

}  // namespace

DuelProtocol::DuelProtocol(Role role, std::string myName, Hasher hash, DuelDeadlines deadlines)
    : role_(role), myName_(std::move(myName)), hash_(std::move(hash)), deadlines_(deadlines) {}

Message DuelProtocol::Hello() const { return HelloMessage(myName_); }

bool DuelProtocol::myTurn() const {
    return stage_ == Stage::Playing && turn_ == (role_ == Role::Host ? Turn::HostGuesses : Turn::GuestGuesses);
}

Reaction DuelProtocol::End(DuelEnd end, std::vector<Message> send) {
    end.duelBegan = duelBegan();
    stage_ = Stage::Over;
    Reaction reaction;
    reaction.send = std::move(send);
    reaction.events.push_back(Ended(std::move(end)));
    reaction.close = true;
    return reaction;
}

Reaction DuelProtocol::Fault(const char* text) {
    if (stage_ == Stage::Over) return {};
    // This side's time was up: whatever ends the duel now, the peer's verdict among them, is its forfeit.
    if (ownLate_) return End(Ending(EndKind::WeStalled, kTextYouNoMove));
    if (!duelBegan()) return End(Ending(EndKind::Broken, text));
    return End(Ending(EndKind::OpponentLeft, LeftText(text)));
}

Reaction DuelProtocol::PeerGone(const char* text) { return Fault(text); }

Reaction DuelProtocol::Leave() {
    if (stage_ == Stage::Over) return {};
    return End(Ending(EndKind::WeLeft, {}), {SimpleMessage(MessageKind::Bye)});
}

Reaction DuelProtocol::Receive(std::string_view line) {
    if (stage_ == Stage::Over) return {};
    ParseResult parsed = ParseMessage(line);
    if (!parsed.message) {
        if (parsed.fault == ParseFault::OtherVersion && stage_ == Stage::Greeting)
            return End(Ending(EndKind::OtherVersion, kTextOtherVersion));
        // The host tells a joining player whose name it refuses that it will not play; the reason
        // has no line of its own.
        if (parsed.fault == ParseFault::BadName && stage_ == Stage::Greeting && role_ == Role::Host)
            return End(Ending(EndKind::Broken, kTextBadName), {SimpleMessage(MessageKind::Decline)});
        return Fault(ParseFaultText(parsed.fault));
    }
    return Receive(*parsed.message);
}

Reaction DuelProtocol::Receive(const Message& message) {
    if (stage_ == Stage::Over) return {};
    if (message.kind != MessageKind::Ping) ++progress_;
    if (message.version != kProtocolVersion) return End(Ending(EndKind::OtherVersion, kTextOtherVersion));
    if (message.kind == MessageKind::Bye) return Fault(kTextLost);
    if (message.kind == MessageKind::Ping) return stage_ == Stage::Greeting ? Fault(kTextOutOfTurn) : Reaction{};

    switch (stage_) {
        case Stage::Greeting:
            if (message.kind == MessageKind::Busy && role_ == Role::Guest) return End(Ending(EndKind::Busy, kTextBusy));
            if (message.kind != MessageKind::Hello) break;
            if (CheckPlayerName(message.name)) {
                if (role_ == Role::Host)
                    return End(Ending(EndKind::Broken, kTextBadName), {SimpleMessage(MessageKind::Decline)});
                return Fault(kTextBadName);
            }
            peerName_ = message.name;
            stage_ = Stage::Deciding;
            return Telling(MakeEvent(Event::PeerGreeted, peerName_));
        case Stage::Deciding:
            if (role_ != Role::Guest) break;
            if (message.kind == MessageKind::Decline) return End(Ending(EndKind::Declined, kTextDeclined));
            if (message.kind != MessageKind::Accept) break;
            stage_ = Stage::Committing;
            return Telling(MakeEvent(Event::Accepted, peerName_));
        case Stage::Committing:
            if (message.kind != MessageKind::Commit || peerDigest_) break;
            peerDigest_ = message.digest;
            return BeginPlayIfCommitted(Telling(MakeEvent(Event::PeerCommitted)));
        case Stage::Playing:
            if (message.kind == MessageKind::Guess) return TakeGuess(message);
            if (message.kind == MessageKind::Answer) return TakeAnswer(message);
            break;
        case Stage::Revealing:
            if (message.kind == MessageKind::Reveal) return TakeReveal(message);
            break;
        case Stage::Over:
            return {};
    }
    return Fault(kTextOutOfTurn);
}

Reaction DuelProtocol::Accept() {
    if (role_ != Role::Host || stage_ != Stage::Deciding) return Refused();
    ++progress_;
    stage_ = Stage::Committing;
    return Sending(SimpleMessage(MessageKind::Accept));
}

Reaction DuelProtocol::Decline() {
    if (role_ != Role::Host || stage_ != Stage::Deciding) return Refused();
    return End(Ending(EndKind::Declined, {}), {SimpleMessage(MessageKind::Decline)});
}

Reaction DuelProtocol::Commit(std::string number, std::string salt) {
    if (stage_ != Stage::Committing || committed_ || CheckNumber(number) || salt.size() < 16) return Refused();
    ++progress_;
    myNumber_ = std::move(number);
    mySalt_ = std::move(salt);
    committed_ = true;
    Message commit = SimpleMessage(MessageKind::Commit);
    commit.digest = Commitment(hash_, mySalt_, myNumber_);
    return BeginPlayIfCommitted(Sending(commit));
}

Reaction DuelProtocol::BeginPlayIfCommitted(Reaction reaction) {
    if (committed_ && peerDigest_) stage_ = Stage::Playing;
    return reaction;
}

Reaction DuelProtocol::Guess(std::string guess) {
    if (!myTurn() || ownLate_ || CheckNumber(guess)) return Refused();
    ++progress_;
    turn_ = role_ == Role::Host ? Turn::GuestAnswers : Turn::HostAnswers;
    pendingGuess_ = guess;
    return Sending(GuessMessage(std::move(guess)));
}

Reaction DuelProtocol::TakeGuess(const Message& message) {
    const Turn theirs = role_ == Role::Host ? Turn::GuestGuesses : Turn::HostGuesses;
    if (turn_ != theirs) return Fault(kTextOutOfTurn);
    const Score answer = ScoreGuess(message.number, myNumber_);
    peerMoves_.push_back({message.number, answer});
    Reaction reaction = Sending(AnswerMessage(answer));
    reaction.events.push_back(MakeEvent(Event::GuessReceived, message.number, answer));
    if (role_ == Role::Host) {
        EndRound(reaction);
    } else {
        turn_ = Turn::GuestGuesses;
    }
    return reaction;
}

Reaction DuelProtocol::TakeAnswer(const Message& message) {
    const Turn awaited = role_ == Role::Host ? Turn::GuestAnswers : Turn::HostAnswers;
    if (turn_ != awaited) return Fault(kTextOutOfTurn);
    myMoves_.push_back({pendingGuess_, message.answer});
    Reaction reaction = Telling(MakeEvent(Event::AnswerReceived, pendingGuess_, message.answer));
    pendingGuess_.clear();
    if (role_ == Role::Host) {
        turn_ = Turn::GuestGuesses;
    } else {
        EndRound(reaction);
    }
    return reaction;
}

void DuelProtocol::EndRound(Reaction& reaction) {
    if (Found(myMoves_.back()) || Found(peerMoves_.back())) {
        stage_ = Stage::Revealing;
        Message reveal = SimpleMessage(MessageKind::Reveal);
        reveal.salt = mySalt_;
        reveal.number = myNumber_;
        reaction.send.push_back(reveal);
        return;
    }
    ++round_;
    turn_ = Turn::HostGuesses;
}

Reaction DuelProtocol::TakeReveal(const Message& message) {
    const RevealVerdict verdict = CheckReveal(hash_, *peerDigest_, message.salt, message.number, myMoves_);
    DuelEnd end;
    if (verdict.kind == RevealVerdict::Fits) end.peerNumber = message.number;  // a disproved number is none
    if (verdict.kind == RevealVerdict::WrongCommitment) {
        end.kind = EndKind::OpponentLied;
        end.text = kTextBadCommitment;
    } else if (verdict.kind == RevealVerdict::WrongAnswer) {
        end.kind = EndKind::OpponentLied;
        end.text = LieText(verdict.move);
        end.lieMove = verdict.move;
    } else {
        end.kind = *roundsResult();
        end.text = end.kind == EndKind::Draw  ? kTextDraw
                   : end.kind == EndKind::Won ? kTextYouWon
                                              : OpponentWonText(peerName_);
    }
    Reaction reaction = End(std::move(end), {SimpleMessage(MessageKind::Bye)});
    reaction.events.insert(reaction.events.begin(), MakeEvent(Event::RevealReceived, message.number));
    return reaction;
}

std::optional<EndKind> DuelProtocol::roundsResult() const {
    if (stage_ != Stage::Revealing) return std::nullopt;
    const bool iFound = Found(myMoves_.back());
    const bool peerFound = Found(peerMoves_.back());
    return iFound && peerFound ? EndKind::Draw : iFound ? EndKind::Won : EndKind::Lost;
}

// ---- deadlines ------------------------------------------------------------------

std::optional<int> DuelProtocol::peerDeadlineMs() const {
    switch (stage_) {
        case Stage::Deciding:  // the host's player decides
            if (role_ == Role::Guest) return deadlines_.moveMs;
            break;
        case Stage::Committing:  // its player types the number
            if (!peerDigest_) return deadlines_.moveMs;
            break;
        case Stage::Playing:  // its answer to this side's guess, or its own guess
            if (!myTurn()) return deadlines_.moveMs;
            break;
        case Stage::Revealing:
            return deadlines_.revealMs;
        default:
            break;
    }
    return std::nullopt;
}

std::optional<int> DuelProtocol::ownDeadlineMs() const {
    if (!myTurn()) return std::nullopt;
    return ownLate_ ? deadlines_.ownGraceMs() : deadlines_.ownMoveMs();
}

Reaction DuelProtocol::PeerLate() {
    if (!peerDeadlineMs()) return {};
    const std::vector<Message> bye = {SimpleMessage(MessageKind::Bye)};
    switch (stage_) {
        case Stage::Deciding:
            return End(Ending(EndKind::Broken, kTextNoAnswer), bye);
        case Stage::Committing:
            return End(Ending(EndKind::Broken, kTextNoCommit), bye);
        case Stage::Playing:
            return End(Ending(EndKind::OpponentLeft, kTextOpponentNoMove), bye);
        default:
            return End(Ending(EndKind::OpponentLeft, kTextOpponentNoReveal), bye);
    }
}

Reaction DuelProtocol::OwnTimeUp() {
    if (!myTurn()) return {};
    if (!ownLate_) {
        ownLate_ = true;
        return {};
    }
    return End(Ending(EndKind::WeStalled, kTextYouNoMove), {SimpleMessage(MessageKind::Bye)});
}

}  // namespace duel::net
