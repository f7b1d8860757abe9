object Form1: TFuzzForm
  object A: TFuzzControl
    Buddy = Nowhere
  end
end
