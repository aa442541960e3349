// What each colour of the car colour catalogue stands for, and what choosing
// it says about the person behind the wheel. One paragraph per colour, in
// catalogue order (see reading_texts.h).

#include "reading_texts.h"

namespace korvane {

const std::array<std::string_view, 15>& ColourDescriptions() {
    static const std::array<std::string_view, 15> kDescriptions = {
        // 0: Violet
        "Violet is such a color that has always belonged to dreamers, mystics and quiet "
        "royalty. It joins the calm of blue with the fire of red, and so it speaks of a "
        "mind that is both gentle and determined. A person who drives a violet car tends "
        "to follow intuition rather than fashion, enjoys a touch of mystery and treats "
        "every journey as a small adventure of the spirit. Others sense a certain dignity "
        "in them, and a kindness that asks for nothing back.",

        // 1: Indigo
        "Indigo is said to affect the deeper layers of the mind, the place where insight "
        "and memory meet. It is the color of the sky just after dusk, thoughtful and "
        "still. Someone who chooses an indigo car is usually a reflective soul with a "
        "strong inner compass, one who values honesty and keeps promises. They are seldom "
        "in a hurry to impress, yet people trust them quickly, because their calm on the "
        "road mirrors a steady, wise heart.",

        // 2: Blue
        "Blue is said to be the color of peace, loyalty and open horizons, the shade of a "
        "clear sky and a quiet sea. It cools the temper and steadies the breath. A person "
        "who drives a blue car is generally dependable, sincere and easy to be around. "
        "They prefer harmony to drama, keep their word and look after their passengers "
        "with real care. On a long road they are the friend you want at the wheel: "
        "patient, attentive and unhurried.",

        // 3: Green
        "If seen from a positive perspective, Green is the color of growth, renewal and "
        "the generous abundance of nature. It soothes the eye and refreshes the mind like "
        "a walk through a spring forest. A driver of a green car is often balanced, "
        "practical and kind, with a healthy appetite for life and a talent for helping "
        "things flourish. They like to keep promises modest and then exceed them, and "
        "they rarely lose their sense of hope.",

        // 4: Yellow
        "Yellow symbolizes intelligence, optimism and the bright energy of a new morning. "
        "It is the color of sunflowers and laughter, impossible to ignore on a grey day. "
        "Whoever drives a yellow car usually has a quick mind, a curious nature and a "
        "sunny way of talking to strangers. They love new ideas, new places and new "
        "friends, and they carry a cheerful confidence that lifts the mood of everyone "
        "who shares the ride with them.",

        // 5: Orange
        "Orange is the color of the Sun as it rises and sets, warm, lively and full of "
        "welcome. It blends the passion of red with the joy of yellow. A person who drives "
        "an orange car is sociable, enthusiastic and refreshingly open, the kind who turns "
        "an ordinary errand into an outing. They are generous with their time, quick to "
        "laugh and brave enough to stand out, and their warmth tends to draw good company "
        "wherever they park.",

        // 6: Red
        "Red is such a color that nobody passes by without noticing. It is the shade of "
        "courage, desire and life force, the beat of a strong heart. Someone who drives a "
        "red car is usually energetic, ambitious and decisive, ready to take the lead and "
        "unafraid of a challenge. They live with passion and act on their feelings. "
        "Their boldness can inspire others, and when they learn a little patience their "
        "drive becomes a real gift.",

        // 7: White
        "White signifies purity, clarity and a fresh beginning, like the first page of a "
        "new notebook. It holds every color of light within it and so stands for "
        "completeness and peace. A person who drives a white car tends to be orderly, "
        "honest and quietly elegant, with a love of simplicity and a clear sense of right "
        "and wrong. They like a tidy life and an uncluttered mind, and they bring a calm, "
        "cleansing presence to those around them.",

        // 8: Lavender
        "Because of its rarity lavender has long been linked with grace, refinement and a "
        "gentle kind of magic. It is softer than violet and carries the calm scent of "
        "summer fields in its name. A person who drives a lavender car is often sensitive, "
        "artistic and romantic, with a delicate sense of beauty and a wish to keep life "
        "kind. They notice small details others miss, and their soft manner hides a "
        "surprising strength of will.",

        // 9: Gold
        "Gold symbolizes honor and devotion, and it has crowned kings and blessed temples "
        "for thousands of years. It shines with the warmth of success earned through "
        "patience. Whoever chooses a gold car tends to be generous, confident and loyal, "
        "someone who values quality and tradition and likes to share good fortune with "
        "family and friends. They carry themselves with quiet pride, and their steady "
        "faith often attracts prosperity.",

        // 10: Peach
        "Peach is also a member of the orange family, but a tender and gentle one. It "
        "carries the warmth of orange without its noise, like the soft light of a summer "
        "evening. A person who drives a peach car is usually friendly, approachable and "
        "caring, with a natural talent for making others feel at ease. They prefer "
        "kindness to competition, enjoy small pleasures and bring a sweet, comforting "
        "mood to every trip they take.",

        // 11: Pink
        "Pink is the color, which represents creativity, affection and a playful, loving "
        "heart. It softens the strength of red with the innocence of white. Someone who "
        "drives a pink car is warm, imaginative and unafraid to show their feelings. They "
        "enjoy beauty, romance and laughter, and they have a gift for turning strangers "
        "into friends. Their light touch hides real courage, since choosing pink is "
        "itself a happy act of self-expression.",

        // 12: Brown
        "As it is known to all of us, that Brown is the color of the earth, of wood, "
        "bread and good soil, it speaks of stability and comfort. It is humble and honest, "
        "never showy. A person who drives a brown car is typically reliable, down to earth "
        "and hard working, someone others lean on in difficult times. They value home, "
        "tradition and plain good sense, and their patient, grounded nature makes every "
        "journey feel safe.",

        // 13: Black
        "This is the color, which indicates strong-will, authority and a touch of mystery. "
        "Black absorbs all light and gives away nothing it does not choose to reveal. A "
        "person who drives a black car is often self-possessed, elegant and serious about "
        "their goals. They appreciate power, style and discretion, and they prefer to be "
        "judged by results rather than words. Behind the cool exterior there is usually a "
        "deep, protective loyalty.",

        // 14: Turquoise
        "Turquoise is a color that is very popular with travellers and healers alike, for "
        "it carries the clear calm of tropical water and the freshness of open air. It "
        "blends the peace of blue with the renewal of green. A person who drives a "
        "turquoise car is usually cheerful, free-spirited and open-minded, eager to "
        "explore and to communicate. They bring balance to a restless group and good "
        "luck, it is said, to every road they follow.",
    };
    return kDescriptions;
}

} // namespace korvane
