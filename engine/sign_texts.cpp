// Descriptions of the twelve sun signs shown on the astrology tab, one list of
// paragraphs per sign. The reading view joins the paragraphs itself.

#include "reading_texts.h"

namespace korvane {

const std::array<std::vector<std::string_view>, 12>& SignParagraphs() {
    static const std::array<std::vector<std::string_view>, 12> kSigns = {{
        // Aries
        {
            "Arians are typically pioneers, the first to walk through a door and the last to ask "
            "whether it should have been opened at all. Ruled by Mars and standing at the very "
            "start of the zodiac, they carry the energy of early spring: sudden, green, impatient "
            "and hard to argue with. An Aries wakes up with a plan and has usually swapped it for "
            "a better one by lunchtime. Patience is not among their talents, and a slow queue can "
            "feel to them like a personal insult. They are brave, frank and generous, and they "
            "defend their friends with a loyalty that can border on the reckless. Their weakness "
            "is the other side of the same coin: they start far more than they finish, they lose "
            "their temper quickly (and, to be fair, find it again just as fast), and they rarely "
            "notice that other people need time to catch up. At work they shine wherever something "
            "has to be built from nothing, and wilt wherever it merely has to be maintained. In "
            "love they are ardent, direct and allergic to games; if an Aries likes you, you will "
            "know by Tuesday. Money tends to arrive in bursts and leave in the same manner, often "
            "on something fast. It is no surprise that Arians are drawn to bold reds and to cars "
            "that feel eager under the right foot, though a wise Aries picks one that also has "
            "very good brakes.",
        },
        // Taurus
        {
            "As the second sign of the zodiac, Taurus inherits the fire that Aries has lit and "
            "asks the sensible question of what to do with it next. Where the Ram charges, the "
            "Bull settles in. Ruled by Venus and rooted in the element of earth, Taureans are "
            "people of the senses: they notice the weight of a good blanket, the smell of fresh "
            "bread, the exact shade of a late afternoon. They are patient, reliable and quietly "
            "determined, and once they have decided that something is worth doing, very little on "
            "this earth will move them from it. That same steadiness, seen from the outside, is "
            "what other people call stubbornness, and the charge is not entirely unfair.",
            "As friends, Taureans are the ones who turn up. They remember birthdays, they lend the "
            "ladder and they actually want it back, and they offer the kind of comfort that comes "
            "with a plate of food rather than a speech. They are not quick to open up, and a new "
            "acquaintance may find them reserved or even a little slow, but time is on their side. "
            "A friendship with a Taurus ripens like fruit on a sunny wall: slowly, steadily, and "
            "then all at once. Crossing one is unwise. They are slow to anger, but a Bull who has "
            "finally lost patience is a memorable sight, and they forgive far more readily than "
            "they forget.",
            "At work the Taurus is the colleague who finishes things. They dislike being hurried "
            "and distrust anything that promises quick results, preferring a method they can see "
            "working with their own eyes. They do well wherever care, craft and persistence are "
            "rewarded: in gardens, kitchens, banks, workshops and anything to do with beautiful "
            "objects. Money matters to them, not from greed but because it buys security, and "
            "security is what lets a Taurus relax. They save well and spend well, and will happily "
            "pay more for something that lasts. A Taurean would rather own one excellent coat than "
            "five cheap ones, and will still be wearing it ten years later.",
            "In love, Taurus is affectionate, faithful and frankly physical; a partner can expect "
            "to be fed, held and quietly adored. The risk is possessiveness, along with a certain "
            "reluctance to change anything that still works, including habits that no longer suit "
            "anyone. When it comes to a car, a Taurus is not looking for excitement. They want "
            "comfort, good seats, an engine note that pleases the ear and a finish that still "
            "looks rich after years of washing. Earthy greens, warm browns and deep creams suit "
            "them well, and they will keep the car long after everyone else has traded theirs in.",
        },
        // Gemini
        {
            "The one thing, which strikes you first about a Gemini is how much is going on at "
            "once. They are talking to you, answering a message, half listening to the radio and "
            "already thinking about the question you have not yet asked. Ruled by Mercury, the "
            "messenger of the gods, and represented by the Twins, Geminis seem to carry at least "
            "two people around inside them, and sometimes more. One of them is curious, witty and "
            "sociable; the other is restless, a little detached and already looking for the exit. "
            "Both are good company, as long as you do not expect either of them to sit still.",
            "Geminis collect information the way other people collect stamps. They know something "
            "about everything and a great deal about whatever caught their attention last week. "
            "Conversation is their natural habitat: they can talk to a taxi driver, a professor "
            "and a bored teenager in the same afternoon and leave all three feeling understood. "
            "Their weakness is depth. A subject, a hobby or even a person who stops being "
            "interesting may simply be dropped, not out of cruelty but because something brighter "
            "has come along. They can also be careless with the truth, more from love of a good "
            "story than from any wish to deceive.",
            "Among friends, the Gemini is the one who knows everybody and introduces them to each "
            "other. They are generous with ideas, quick with a joke and excellent at cheering "
            "people up, though less reliable when someone needs a patient listener for a whole "
            "evening. At work they thrive on variety and on anything that involves words: writing, "
            "teaching, selling, journalism, negotiating and broadcasting. Routine is their enemy. "
            "Give a Gemini the same task every day and they will either invent a new way of doing "
            "it or quietly start looking for another job.",
            "In love, Geminis need to be entertained as much as adored. A partner who can argue "
            "with them, surprise them and keep up with their changes of mood will find them "
            "charming, playful and far more devoted than their reputation suggests. What they "
            "cannot bear is boredom, and a relationship that has become predictable may find a "
            "Gemini drifting away. Money slips through their fingers with great ease, usually on "
            "books, gadgets, travel and tickets to things they have only just heard about. They "
            "are clever enough to earn it back quickly, and they rarely stay worried about it for "
            "long.",
            "A Gemini choosing a car will read every review, compare a dozen models and then fall "
            "for one because of its clever dashboard. They like a car that is light, nimble and "
            "easy to park, with plenty of places to put a phone and good speakers for the endless "
            "podcasts. Bright, airy colours suit them, yellows and clear silvers especially, and "
            "they often change cars more frequently than they strictly need to. For a Gemini, a "
            "journey is never just a journey; it is a chance to talk, to listen and to arrive "
            "somewhere new.",
        },
        // Cancer
        {
            "Cancer is the fourth sign of the zodiac and the first of the water signs, ruled by "
            "the Moon and represented by the Crab. The symbol fits remarkably well. Like the crab, "
            "the Cancerian wears a hard shell over a very soft interior, and tends to approach any "
            "new situation sideways, testing the ground before committing to it. They are "
            "sensitive, imaginative and deeply protective, and their moods change with something "
            "of the regularity of the tides. One day they are sunny and teasing; the next they "
            "have withdrawn into the shell, and nothing will coax them out until they are ready.",
            "Home is the centre of the Cancerian universe. They are the people who keep the family "
            "photographs, the grandmother's recipes and the old chair nobody else is allowed to "
            "throw away. Their friends are treated as an extension of that family, which means "
            "they are fed, worried about and remembered with astonishing accuracy. A Cancer will "
            "recall something you said three years ago, along with the weather that day and what "
            "you were wearing. The darker side of such a memory is that hurts are kept too, and a "
            "Crab who feels wronged may sulk for a long time rather than say what is actually the "
            "matter.",
            "At work, Cancerians are loyal, conscientious and much shrewder than their gentle "
            "manner suggests. They do well in the caring professions, in teaching, in anything "
            "connected with food, homes or history, and in business, where their instinct for what "
            "people need is worth a great deal. They are careful with money, sometimes to the "
            "point of anxiety, and like to have something put aside for the rainy day they are "
            "always half expecting. A Cancer would rather keep a modest sum safely than gamble on "
            "a larger one, and is very hard to talk out of a bargain once it has been found.",
            "In love, the Cancerian is tender, romantic and intensely loyal, and needs above all "
            "to feel safe. A partner who offers stability and patience will be repaid with a "
            "devotion that few other signs can match. Clinginess and self-pity are the dangers, "
            "along with a tendency to mother a partner who would rather be treated as an equal. "
            "When choosing a car, Cancer thinks first of the people who will sit in it: safety "
            "ratings, room for the children and the shopping, soft seats for the long drive to "
            "visit relatives. Silvery whites and soft sea colours, echoing the Moon and the tides, "
            "tend to make them feel at home.",
        },
        // Leo
        {
            "Of all the zodiac signs, Leos are the ones least likely to go unnoticed, and they "
            "would not have it any other way. Ruled by the Sun itself and represented by the Lion, "
            "they walk into a room as though it had been waiting for them, and quite often it has. "
            "Leos are warm, generous, theatrical and proud. They love to be admired, but they are "
            "just as happy to admire others, and their praise is never faint. There is something "
            "childlike in them in the best sense: a capacity for delight, for play and for "
            "believing that life ought to be a celebration.",
            "The Lion's great virtue is a big heart. Leos are loyal to the point of folly, and "
            "they will fight for anyone they have taken under their protection. They are also "
            "natural leaders, not because they crave power for its own sake but because they "
            "honestly believe they can make things better, and they are often right. The shadow "
            "side is vanity. A Leo who feels ignored or mocked can become sulky, domineering or "
            "loudly wounded, and their pride can make it very hard for them to admit a mistake, "
            "even a small one that everyone else has already forgotten.",
            "As friends, Leos are wonderful hosts and tireless organisers of parties, trips and "
            "surprises. They take care to make everyone feel included, and they are quick to "
            "defend a friend in public, though they expect the same loyalty in return. At work "
            "they need an audience and a measure of authority. They do well on the stage, in "
            "management, in teaching, in politics and in any job where confidence and charm open "
            "doors. Treat a Leo as a cog in a machine and they will wither; give them a title and "
            "a little praise, and they will work harder than anyone in the building.",
            "In love, the Lion is ardent, romantic and gloriously extravagant. Flowers, grand "
            "gestures and declarations in front of witnesses are all part of the repertoire. What "
            "a Leo asks in return is to be adored, and to be the clear favourite; a partner who "
            "flirts with others or takes them for granted will meet a very different animal. With "
            "money, Leos are generous and fond of luxury, and they can overspend in the name of "
            "style. They would rather have one splendid evening than a month of careful economy, "
            "and they are usually lucky enough to get away with it.",
            "Naturally, a Leo wants a car that turns heads. Polished chrome, a confident front, a "
            "bit of a roar from the engine and a colour that catches the sun: gold, deep orange, "
            "rich red or a bright, glossy yellow. They keep it spotless, because a car is part of "
            "how a Lion presents itself to the world. A Leo may secretly dream of a convertible, "
            "the better to be seen, and will drive with one arm resting on the open window in the "
            "manner of a monarch greeting the crowds.",
        },
        // Virgo
        {
            "Virgo is represented by the Virgin, traditionally shown holding a sheaf of wheat, and "
            "the image says a good deal about this earth sign ruled by Mercury. The harvest is "
            "about care and sorting, separating the good grain from the chaff, and that is exactly "
            "what the Virgoan mind does all day long. They notice details that everyone else "
            "misses, from the typing error on page forty to the faint rattle in the back of the "
            "car. They are modest, practical, intelligent and helpful, and they find genuine "
            "satisfaction in a job done properly, which for a Virgo means done slightly better "
            "than anyone asked.",
            "The same sharp eye that makes them so useful can make them hard to live with. Virgos "
            "are critical, of others and even more of themselves, and they can worry about small "
            "things until the small things become large ones. They find it difficult to relax "
            "while anything remains unfinished, and there is always something unfinished. Yet "
            "their criticism usually comes from a wish to help rather than to wound, and a friend "
            "in trouble could hardly ask for anyone better. The Virgo will not make a fuss or a "
            "speech; they will simply arrive with a list, a plan and exactly the right tool.",
            "At work, Virgos are the backbone of any organisation. They are reliable, precise and "
            "efficient, and they make excellent editors, accountants, doctors, researchers, "
            "craftsmen and analysts. They prefer being useful to being famous, and they are often "
            "the person who quietly keeps the whole department running while someone louder takes "
            "the credit. With money they are careful and sensible. They compare prices, read the "
            "small print and keep every receipt, and they are rarely caught out by a bill they did "
            "not expect.",
            "In love, Virgo is shy at first and slow to trust, and shows affection through deeds "
            "rather than words. The partner of a Virgo will find the tyres checked, the "
            "appointments remembered and the medicine cupboard stocked, which is its own kind of "
            "poetry. They need someone who is patient with their nerves and who does not mistake "
            "their reserve for coldness. When choosing a car, Virgo reads the reliability reports "
            "first and the brochure second. Clean, sensible colours such as navy, soft grey, sage "
            "green and quiet beige appeal to them, and the inside of a Virgo's car is usually the "
            "tidiest place in the neighbourhood.",
        },
        // Libra
        {
            "Libra is the only sign of the zodiac represented by an object rather than a living "
            "creature. The other eleven are people or animals, real or mythical; Libra is a pair "
            "of scales, and that choice tells you almost everything about the people born under "
            "it. Librans live in search of balance, fairness and harmony, and they weigh every "
            "question carefully before they answer it. Ruled by Venus and belonging to the element "
            "of air, they combine a love of beauty with a quick, sociable mind, and they are "
            "usually among the most charming people you will ever meet.",
            "Their gift is diplomacy. A Libran can see both sides of any argument, and often a "
            "third side that nobody else had considered, which makes them superb peacemakers and "
            "go-betweens. They hate conflict, rudeness and ugliness of any kind, and they will go "
            "to considerable lengths to keep everyone happy. The trouble is that the scales can "
            "swing for a very long time before they come to rest. Librans are famously indecisive, "
            "and a simple question such as where to eat tonight can turn into a long and earnest "
            "debate at the end of which nothing has been ordered.",
            "Friends adore Librans because they are good listeners, generous hosts and wonderful "
            "company at a party. They remember how everyone takes their coffee and make sure the "
            "shy guest is not left alone in a corner. At work they do best in partnerships, and "
            "they shine in law, design, fashion, the arts, diplomacy and any role that asks them "
            "to bring people together. They dislike working alone and they dislike harsh "
            "surroundings; a Libran in an ugly office will quietly bring in a plant, a picture and "
            "a better lamp before the first week is out.",
            "Love is Libra's natural element. They are romantic, attentive and devoted to the idea "
            "of partnership, and they tend to feel somehow incomplete without someone beside them. "
            "The danger is that they may stay too long in the wrong relationship to avoid a scene, "
            "or lose sight of their own wishes while trying to please. With money, Librans have "
            "expensive taste and an unerring eye for quality, and their spending can wobble as "
            "much as their decisions. They are scrupulously fair in sharing, though, and will "
            "always insist on splitting the bill to the last coin.",
            "A Libran chooses a car the way they choose clothes, with an eye to proportion, "
            "elegance and colour. The lines must be graceful, the interior harmonious and the "
            "whole thing pleasant to look at from every angle. Soft pinks, pale blues, champagne "
            "and other gentle pastel shades suit them, as does a classic, well-balanced design. "
            "Expect the decision to take a while, and expect them to ask everyone they know for an "
            "opinion first. Once they have finally chosen, though, they will be delighted with it, "
            "and they will look after it beautifully.",
        },
        // Scorpio
        {
            "Children are taught, often at a very young age, not to play with fire and not to poke "
            "at creatures that sting, and many grown-ups treat Scorpios with much the same "
            "caution. The sign of the Scorpion, ruled by Mars and in modern astrology by Pluto, is "
            "the most intense of the twelve, and people feel it the moment a Scorpio enters the "
            "room. They are quiet, watchful and magnetic, with a gaze that seems to see straight "
            "through polite conversation to whatever is being left unsaid. They are not dangerous "
            "by nature, but they are not to be trifled with either.",
            "Beneath that still surface runs deep water. Scorpios feel everything strongly and "
            "hide most of it, because to them privacy is a form of self-protection. They are "
            "determined, resourceful, brave and astonishingly perceptive, and they have a talent "
            "for getting to the bottom of things, whether a mystery, a problem or a person. Their "
            "faults are the natural shadows of that strength: jealousy, secrecy, a long memory for "
            "slights and a taste for control. A Scorpio who has been betrayed rarely forgets it, "
            "and the sting, when it finally comes, is precise and well aimed.",
            "As friends, Scorpios are few in number but loyal for life. They will keep your "
            "secrets to the grave and expect you to keep theirs, and they have little patience "
            "with small talk or with people who say one thing and mean another. At work they excel "
            "at anything that requires concentration and nerve: research, medicine, detective "
            "work, psychology, finance and crisis management. They are shrewd with money and can "
            "be very successful with it, though they rarely discuss it openly. A Scorpio's "
            "savings, like a Scorpio's feelings, are nobody else's business.",
            "In love, Scorpio is all or nothing. They are passionate, devoted and fiercely "
            "protective, and they seek a bond that goes far beyond the surface. A partner must be "
            "prepared for intensity and for complete honesty; half measures and casual flirtation "
            "will not do. When it comes to cars, Scorpios like power held in reserve: a deep, "
            "smooth engine, tinted windows and a shape that says little but suggests a great deal. "
            "Black, deep burgundy and dark, inky reds appeal to them, colours with a hint of "
            "mystery about them, and they do not care to explain their choice to anyone.",
        },
        // Sagittarius
        {
            "Persons belonging to the sun sign Sagittarius are the explorers of the zodiac, and "
            "they rarely stay in one place long enough to gather dust. Represented by the Archer, "
            "a centaur aiming an arrow at some distant horizon, and ruled by generous Jupiter, "
            "they are optimistic, adventurous, honest and endlessly curious about the world. A "
            "Sagittarian would rather be somewhere new than somewhere comfortable, and would "
            "rather ask a big question than settle for a small answer. Their laughter is loud and "
            "frequent, and their good humour can lift an entire room.",
            "Honesty is both the Archer's virtue and their favourite weapon. Sagittarians say what "
            "they think, often before they have finished thinking it, and their arrows of plain "
            "truth can land harder than they intended. They are also impatient with detail, prone "
            "to promising more than they can deliver, and inclined to vanish on a new adventure "
            "just when someone needs them to stay. Yet they are so cheerful, so generous and so "
            "free of malice that most people forgive them almost at once, and the Sagittarian, who "
            "has usually forgotten the whole matter already, is glad to be forgiven.",
            "Friends of a Sagittarius can expect to be dragged on trips, invited to lectures on "
            "strange subjects and introduced to interesting people from every corner of the globe. "
            "At work the Archer needs freedom and a sense of purpose. They make fine teachers, "
            "travellers, writers, lawyers, guides and philosophers, and they are miserable behind "
            "a desk with a fixed timetable. Money is, to them, a means of buying experiences, and "
            "they can be careless with it; luck tends to follow them around, which only encourages "
            "the habit.",
            "In love, Sagittarius is warm, fun and sincere, but needs plenty of room to roam. A "
            "partner who tries to fence them in will soon find an empty paddock, while one who "
            "shares their appetite for adventure will find a loyal and joyful companion. When "
            "choosing a car, the Archer thinks in terms of distance. They want something that can "
            "cross a continent, carry a tent and a bicycle and survive a dirt road without "
            "complaint. Deep purples, royal blues and the warm turquoise of far-off seas suit "
            "their expansive spirit, and the car will usually hold a few maps and a surprising "
            "amount of sand.",
        },
        // Capricorn
        {
            "Part of the tenth sign of the zodiac is a goat and part of it is a fish, for the old "
            "symbol of Capricorn is the sea-goat, and that odd combination suits the people born "
            "under it surprisingly well. On the surface they are all mountain goat: sure-footed, "
            "patient, serious and always climbing, one careful step at a time, towards a summit "
            "they chose long ago. Ruled by Saturn, the planet of time and discipline, Capricorns "
            "are ambitious, responsible and practical, and they take the long view of almost "
            "everything. Beneath the surface, though, swims the fish, with a dry and unexpected "
            "sense of humour, a deep sensitivity and a loyalty that few people ever see in full. "
            "Capricorns often seem older than their years when they are young, and strangely "
            "younger as they age, as if they had saved up their youth for later.",
            "Work is where the Capricorn feels most at home. They are organised, persistent and "
            "reliable, and they understand structures, hierarchies and the slow accumulation of "
            "results better than any other sign. They make excellent managers, engineers, "
            "administrators, builders, bankers and politicians, and they are not afraid of "
            "responsibility or of hard work that nobody will ever thank them for. Money is treated "
            "with respect. A Capricorn budgets, saves and invests, distrusts easy fortunes and "
            "prefers a solid, lasting asset to a fashionable thrill. Their faults are the natural "
            "excesses of their virtues: they can be rigid, gloomy, status-conscious and so devoted "
            "to duty that they forget to enjoy the life they are working so hard to secure.",
            "In friendship and in love, Capricorns are slow to commit and very hard to lose. They "
            "are not showy and rarely make grand declarations, but they turn up, they keep their "
            "word and they build something that lasts. A partner may have to coax them into taking "
            "a holiday, yet will discover beneath the reserve a warm, steady and often very funny "
            "companion. When choosing a car, a Capricorn values quality, reputation and durability "
            "over flash. A well-engineered saloon from a respected maker, kept for many years and "
            "serviced exactly on schedule, is much more their style than a passing fashion. Dark "
            "greens, charcoal, graphite and deep browns, the colours of mountain rock and old "
            "forest, suit their serious and dignified taste.",
        },
        // Aquarius
        {
            "If you meet a person who seems to be friends with absolutely everyone yet somehow "
            "belongs to no one, who has an opinion on the future of cities, the rights of animals "
            "and the best way to reorganise your kitchen, and who delivers all of it with a "
            "cheerful, slightly distant smile, that is probably an Aquarian. Represented by the "
            "Water Bearer pouring out knowledge for all to share, and ruled by Saturn and, in "
            "modern astrology, by the electric and unpredictable Uranus, Aquarians are the "
            "inventors, reformers and free spirits of the zodiac. They are original, independent "
            "and humane, and they often seem to be living a few years ahead of the rest of us.",
            "The Aquarian mind is logical, inventive and wonderfully unconventional. They question "
            "rules simply to see whether the rules still make sense, and they are drawn to new "
            "technology, new ideas and causes that promise to improve the lot of humanity. Their "
            "weakness is a certain coolness. Aquarians can love mankind in general while finding "
            "individual people rather tiring, and they may retreat into detachment when emotions "
            "run high. They can also be stubborn in the extreme, clinging to a contrary opinion "
            "mainly because everyone else disagrees with it.",
            "Friendship is where the Aquarian truly shines. Their circle is large and wildly "
            "varied, and they treat a company director and a street musician with exactly the same "
            "interest and respect. They are tolerant, open-minded and loyal, though they need "
            "plenty of space and may disappear for weeks before reappearing as if nothing had "
            "happened. At work they thrive in science, technology, research, social reform and "
            "anything experimental, and they intensely dislike rigid hierarchies. With money they "
            "are unpredictable: frugal about things they find pointless, and suddenly lavish on a "
            "gadget or a good cause.",
            "In love, Aquarius needs a partner who is first of all a friend, and who respects "
            "their independence. They are faithful and honest, but they express affection through "
            "shared ideas and adventures rather than through sentimental gestures, and clinginess "
            "alarms them. When choosing a car, the Aquarian is often the first among their friends "
            "to go electric or to try something that everyone else finds slightly odd. Electric "
            "blues, bright turquoise and cool metallic shades suit them, along with any colour "
            "that nobody else on the street has thought of choosing.",
        },
        // Pisces
        {
            "The typical Pisces individual seems to live with one foot in this world and the other "
            "somewhere far more mysterious. Represented by two fish swimming in opposite "
            "directions, and ruled by Jupiter and, in modern astrology, by dreamy Neptune, Pisces "
            "is the last sign of the zodiac, and it seems to have gathered a little of every sign "
            "that came before it. Pisceans are gentle, imaginative, compassionate and deeply "
            "intuitive. They often know what someone is feeling before that person has said a "
            "single word, and sometimes before they know it themselves.",
            "That sensitivity is both a gift and a burden. Pisceans absorb the moods of the people "
            "around them as a sponge takes in water, and a harsh word or an unhappy room can leave "
            "them drained for days. To protect themselves they may drift into daydreams, music, "
            "books or long walks by the water, and at worst into escapism and the avoidance of "
            "difficult decisions. They can be vague, easily led and poor at saying no. Yet their "
            "kindness is genuine and boundless, and there is no better companion in a moment of "
            "grief or trouble.",
            "As friends, Pisceans are loyal, forgiving and endlessly patient listeners; they are "
            "the people to whom strangers tell their life stories on long train journeys. At work "
            "they flourish wherever imagination or compassion is needed: in music, painting, film, "
            "poetry, nursing, healing, charity work and the spiritual professions. They find "
            "strict routines and cut-throat competition exhausting, and they work best in a calm "
            "setting with room for inspiration. Deadlines tend to slip quietly past them, but what "
            "they produce in the end is often quite beautiful.",
            "In love, the Pisces is the great romantic of the zodiac. They give their hearts "
            "completely, idealise the people they love and will make great sacrifices for them. A "
            "partner who is kind and steady will find them tender, devoted and full of small "
            "surprises; a careless one may take advantage of them. Money is not their strong "
            "point. Pisceans are generous to a fault, easily moved by a hard-luck story and "
            "inclined to forget where last month's wages went. A practical friend or partner who "
            "looks after the accounts can be a real blessing.",
            "When it comes to choosing a car, the Piscean is guided more by feeling than by "
            "figures in a brochure. A car must feel right, must be comfortable and quiet, and "
            "ideally should carry them to the sea now and then. They respond to soft, watery "
            "colours such as sea green, aquamarine, lavender and misty blues, which soothe their "
            "nerves in heavy traffic. A Pisces may give the car a name, talk to it kindly on cold "
            "mornings and feel genuinely sad on the day it finally has to go.",
        },
    }};
    return kSigns;
}

} // namespace korvane
