object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Launcher'
  ClientHeight = 336
  ClientWidth = 354
  Color = 13744054
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OnCreate = FormCreate
  object sPanel1: TPanel
    Left = 8
    Top = 8
    Width = 337
    Height = 257
    TabOrder = 0
    object WebBrowser1: TWebBrowser
      Left = 8
      Top = 8
      Width = 321
      Height = 217
      TabOrder = 0
    end
    object sGauge1: TGauge
      Left = 8
      Top = 232
      Width = 321
      Height = 18
      Enabled = False
      ForeColor = clBlack
      Progress = 0
      Suffix = '%'
    end
  end
  object sButton1: TButton
    Left = 272
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Jogar'
    Default = True
    TabOrder = 1
    OnClick = sButton1Click
  end
  object sButton2: TButton
    Left = 96
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Sobre'
    TabOrder = 2
    OnClick = sButton2Click
  end
  object sButton3: TButton
    Left = 184
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Op'#231#245'es'
    TabOrder = 3
    OnClick = sButton3Click
  end
  object sButton4: TButton
    Left = 8
    Top = 272
    Width = 75
    Height = 25
    Caption = 'Sair'
    TabOrder = 4
    OnClick = sButton4Click
  end
  object sWebLabel1: TsWebLabel
    Left = 10
    Top = 301
    Width = 154
    Height = 13
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clHighlight
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = []
    HoverFont.Charset = DEFAULT_CHARSET
    HoverFont.Color = clWindowText
    HoverFont.Height = -11
    HoverFont.Name = 'Tahoma'
    HoverFont.Style = []
  end
  object sStatusBar1: TStatusBar
    Left = 0
    Top = 317
    Width = 354
    Height = 19
    Panels = <
      item
        Width = 145
      end
      item
        Width = 50
      end>
  end
end
