#include "ui/RulesSummary.h"

QString RulesSummary() {
    return R"(
<h2>The aim</h2>
<p>Build the city worth the most points. Every card is three things at once: a
<b>building</b> you can build into your city, <b>money</b> while it is in your hand (you pay for
a building with other cards from your hand), and a <b>good</b> when it lies face down on one of
your production buildings.</p>

<h2>A round</h2>
<p><b>The governor.</b> Player 1 is the governor of the first round; every later round the
governor passes to the next seat. The governor chooses the first role of the round.</p>
<p><b>Start of the round</b>, for every seat from Player 1 on:</p>
<ul>
<li>a Chapel lets the seat put one card of its hand under it, worth one point;</li>
<li><b>hand limit</b>: a seat holding more than 7 cards (12 with a Tower) keeps 7 (12) of its
choice and discards the rest. In the first round the limit is 4 for everybody: the seats start
with 5, 6, 7 and 8 cards, so later seats choose their 4 from more.</li>
</ul>
<p><b>Roles.</b> From the governor on, each seat in turn takes one of the five roles still free.
Every seat then performs that role, the one who chose it first; only the chooser gets the
role's <b>privilege</b>, and a Library doubles it. With three or four players each seat chooses
once a round; with two, the governor chooses, then the other seat, then the governor again. A
role taken is gone until the next round.</p>

<h2>The roles</h2>
<table cellspacing="0" cellpadding="4" border="1">
<tr><th>Role</th><th>Every seat</th><th>Privilege of the chooser (with a Library)</th></tr>
<tr><td><b>Councillor</b></td><td>draws 2 cards, keeps 1 and discards the other. A Prefecture
keeps one card more; an Archive chooses the cards to keep from the hand and the drawn cards
together.</td><td>draws 5 cards (8) instead of 2</td></tr>
<tr><td><b>Builder</b></td><td>may build one building from the hand, paying its cost with
other hand cards. A Smithy makes production buildings, a Quarry violet buildings, one card
cheaper. A city never holds the same violet building twice.</td><td>pays 1 card less (2)</td></tr>
<tr><td><b>Producer</b></td><td>may lay 1 good, the top card of the draw pile face down, on a
production building without one. An Aqueduct lays one good more; a Well draws a card when two
or more goods are laid.</td><td>may lay 2 goods (3)</td></tr>
<tr><td><b>Trader</b></td><td>a new trading-house tile sets the price of each good; every seat
may sell 1 good and draws its price in cards. A Trading Post sells one good more; a Market Stand
draws a card more for two or more goods sold, a Market Hall for any sale.</td>
<td>may sell 2 goods (3)</td></tr>
<tr><td><b>Prospector</b></td><td>nothing, except that every Gold Mine turns up four cards:
when their costs all differ, its owner takes one of them.</td><td>draws 1 card (2)</td></tr>
</table>
<p><b>Building, more.</b> A Crane builds over one of your own buildings: the new one costs the
old one's printed cost less, and the old one leaves the game. A Black Market gives up one or two
of your goods, each paying one card. A Carpenter draws a card after you build a violet building;
a Poor House draws one when your hand holds fewer than two cards after you build.</p>
<p><b>Goods</b> are worth more the dearer their building: indigo (Indigo Plant), sugar, tobacco,
coffee and silver. Only a good's building counts, never the card lying face down.</p>

<h2>The end</h2>
<p>When a city reaches twelve buildings, every seat still performs the role being played; then
the game ends and the points are counted.</p>

<h2>The scoring</h2>
<ul>
<li>every building's printed points;</li>
<li>one point for each card under a Chapel;</li>
<li><b>City Hall</b>: one point for each violet building of the city, itself included;</li>
<li><b>Guild Hall</b>: two points for each production building;</li>
<li><b>Triumphal Arch</b>: 4, 6 or 8 points for one, two or all three of the monuments
Statue, Victory Column and Hero;</li>
<li><b>Palace</b>: a quarter of all the points above (chapel and bonuses included), rounded
down.</li>
</ul>
<p>The most points win. Between seats level on points, the most cards in hand plus goods on
buildings wins; if that is level too, the seat first from Player 1 on.</p>

<h2>At this table</h2>
<p>Hover or click a seat's points to see them part by part; the final scores have a
<b>Details</b> button for every seat's. <b>F1</b> opens this window. At your role choice and
at every card question, <b>H</b> or the <b>Hint</b> button asks the expert computer player what it
would do in your place: it plays the game on many times from what you can see, never from your
rivals' hands or the face-down cards, marks the cards it would choose, and shows how often its
choice won.</p>
)";
}
