// Shown texts with their values: a catalogue text's %1, %2, ... filled in,
// and the engine's phrases ({k: key, a: [parts]}, or a plain string) put
// into a language. Shared by the page, its build and its tests.
export const filled = (text, ...values) =>
  text.replace(/%(\d)/g, (_, n) => values[Number(n) - 1] ?? '');

// t(key) gives the language's text for a catalogue key.
export function phrased(phrase, t) {
  if (phrase == null) return '';
  if (typeof phrase === 'string') return phrase;
  return filled(t(phrase.k), ...(phrase.a ?? []).map((part) => phrased(part, t)));
}
