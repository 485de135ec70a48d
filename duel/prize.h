// What a won game gives the player beside a place in the records: the gallery's next picture.
#pragma once

namespace duel {

// The session gives the gallery's picture (shown in the picture viewer, the
// line of wins moved on); tests record that it was asked for.
class Prize {
public:
    virtual ~Prize() = default;

    // The prize of the game just won, shown modally; nothing when no set is chosen.
    virtual void GiveWonPicture() = 0;

    // No prize, for a duel that gives none.
    static Prize& None();
};

namespace prize_detail {
class NoPrize final : public Prize {
public:
    void GiveWonPicture() override {}
};
}  // namespace prize_detail

inline Prize& Prize::None() {
    static prize_detail::NoPrize none;
    return none;
}

}  // namespace duel
