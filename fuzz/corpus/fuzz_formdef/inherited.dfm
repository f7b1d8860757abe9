inherited Form1: TFuzzForm
  Panels = < item [0] Sub = < item Link = nil end > end >
end
